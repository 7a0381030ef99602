#include "gui/dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace voltaris::gui {

namespace {

QMessageBox::Icon toQt(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Information:
        return QMessageBox::Information;
    case BoxIcon::Exclamation:
        return QMessageBox::Warning;
    case BoxIcon::Question:
        return QMessageBox::Question;
    case BoxIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Qt's own dialogs, with Turkish button texts.
class QtDialogs final : public Dialogs {
public:
    void message(QWidget* parent, const QString& title, const QString& text,
                 BoxIcon icon) override {
        QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, parent);
        box.button(QMessageBox::Ok)->setText(QStringLiteral("Tamam"));
        box.exec();
    }

    bool question(QWidget* parent, const QString& title, const QString& text,
                  BoxIcon icon) override {
        QMessageBox box(toQt(icon), title, text, QMessageBox::Yes | QMessageBox::No, parent);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Evet"));
        box.button(QMessageBox::No)->setText(QStringLiteral("Hayır"));
        return box.exec() == QMessageBox::Yes;
    }

    std::optional<QString> prompt(QWidget* parent, const QString& title,
                                  const QString& text) override {
        QInputDialog dialog(parent);
        dialog.setWindowTitle(title);
        dialog.setLabelText(text);
        dialog.setOkButtonText(QStringLiteral("Tamam"));
        dialog.setCancelButtonText(QStringLiteral("İptal"));
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.textValue();
    }

    std::optional<QString> saveFile(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& suggestedName) override {
        QFileDialog dialog(parent, title, suggestedName, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("txt")); // a typed name without one gets ".txt"
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().constFirst();
    }
};

Dialogs* installed = nullptr;

} // namespace

Dialogs& Dialogs::current() {
    static QtDialogs qtDialogs;
    return installed ? *installed : qtDialogs;
}

void Dialogs::install(Dialogs* dialogs) {
    installed = dialogs;
}

} // namespace voltaris::gui
