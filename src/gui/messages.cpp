#include "gui/messages.h"

#include "core/numbers.h"
#include "gui/colours.h"
#include "gui/dialogs.h"
#include "gui/fields.h"

#include <QAction>
#include <QLineEdit>

namespace voltaris::gui {

void ShowResultBox(QWidget* parent, const QString& text) {
    Dialogs::current().message(parent, kResultTitle, text, BoxIcon::Information);
}

void ShowInformation(QWidget* parent, const QString& text) {
    Dialogs::current().message(parent, kInformationTitle, text, BoxIcon::Information);
}

void ShowWarning(QWidget* parent, const QString& text) {
    Dialogs::current().message(parent, kWarningTitle, text, BoxIcon::Exclamation);
}

void ShowMessage(QWidget* parent, const Message& message) {
    const BoxIcon icon = message.icon == MessageIcon::Exclamation   ? BoxIcon::Exclamation
                         : message.icon == MessageIcon::Information ? BoxIcon::Information
                                                                    : BoxIcon::None;
    Dialogs::current().message(parent, qs(message.title), qs(message.text), icon);
}

bool MissingInputWarning(QWidget* window, const QList<QLineEdit*>& tested,
                         const std::function<void()>& compute, const QString& message,
                         const QString& title) {
    try {
        compute();
        return true;
    } catch (const ComputeFailure&) {
    }
    for (QLineEdit* field : tested)
        if (field->text().isEmpty())
            setMeaningColour(field, kRed);
    Dialogs::current().message(window, title, message, BoxIcon::Exclamation);
    for (QLineEdit* field : tested)
        setMeaningColour(field, std::nullopt);
    return false;
}

double PromptNumber(QWidget* parent, const QString& prompt) {
    const auto answer = Dialogs::current().prompt(parent, kApplicationTitle, prompt);
    return ReadPromptNumber(answer.value_or(QString()).toStdString());
}

bool PromptWarning(QWidget* parent, const std::function<void()>& command, const QString& message) {
    try {
        command();
        return true;
    } catch (const ComputeFailure&) {
        ShowWarning(parent, message);
        return false;
    }
}

QAction* addPromptItem(QWidget* window, QMenu* menu, const QString& name, const QString& caption,
                       const std::function<void()>& command, const QString& warning) {
    QAction* item = addMenuItem(menu, name, caption);
    QObject::connect(item, &QAction::triggered, window,
                     [window, command, warning] { PromptWarning(window, command, warning); });
    return item;
}

} // namespace voltaris::gui
