#include "app/about_window.h"

#include "app/settings.h"
#include "gui/fields.h"
#include "gui/text.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace voltaris::app {

using gui::qs;

namespace {

QString ucs4(std::u32string_view text) {
    return QString::fromUcs4(text.data(), qsizetype(text.size()));
}

// A label that opens the user's mail program on the makers' address when clicked.
class MailLabel : public QLabel {
public:
    MailLabel() {
        setObjectName(QStringLiteral("Label1"));
        setCursor(Qt::PointingHandCursor);
        setToolTip(QStringLiteral("e-Mail Göndermek İçin Tıkla..."));
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + qs(shell::kContactAddress)));
    }
};

} // namespace

AboutWindow::AboutWindow()
    : ToolWindow(kForm, QStringLiteral("Hakkında")), fullText_(shell::AboutText()) {
    auto* layout = new QVBoxLayout(this);

    QLabel* name = gui::makeLabel(QStringLiteral("Label2"), QStringLiteral("VOLTARIS "));
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 2);
    name->setFont(nameFont);
    name->setAlignment(Qt::AlignHCenter);
    layout->addWidget(name);
    QLabel* version = gui::makeLabel(QStringLiteral("Label3"), QStringLiteral("Versiyon 2.3"));
    version->setAlignment(Qt::AlignHCenter);
    layout->addWidget(version);
    QLabel* runs = gui::makeLabel(QStringLiteral("Label4"),
                                  qs(shell::RunCountLine(storedNumber(kRunCountKey))));
    runs->setAlignment(Qt::AlignHCenter);
    layout->addWidget(runs);

    text_ = new MailLabel;
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    // Room for the whole text from the start, so the window does not grow while it is typed.
    const int width = text_->fontMetrics().averageCharWidth() * 60;
    text_->setFixedWidth(width);
    text_->setMinimumHeight(
        text_->fontMetrics()
            .boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, ucs4(fullText_))
            .height());
    layout->addWidget(text_, 1);

    layout->addLayout(gui::makeButtonRow({}, {makeReturnButton(QStringLiteral("Command1"))}));

    typingTimer_ = new QTimer(this);
    typingTimer_->setObjectName(QStringLiteral("Timer1"));
    typingTimer_->setInterval(35);
    connect(typingTimer_, &QTimer::timeout, this, &AboutWindow::typeNext);
    typingTimer_->start();
}

void AboutWindow::typeNext() {
    shell::TypeNext(typing_, fullText_);
    text_->setText(ucs4(typing_.shown));
    if (typing_.finished)
        typingTimer_->stop(); // for good: the text stays whole
}

} // namespace voltaris::app
