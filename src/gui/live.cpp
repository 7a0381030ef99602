#include "gui/live.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace voltaris::gui {

LiveRefresh::LiveRefresh(QWidget* window, std::function<void()> tick)
    : QObject(window), tick_(std::move(tick)), timer_(new QTimer(this)) {
    timer_->setInterval(kLiveInterval);
    connect(timer_, &QTimer::timeout, this, [this] { tick_(); });
    window->installEventFilter(this);
    if (window->isVisible())
        timer_->start();
}

bool LiveRefresh::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        tick_();
        timer_->start();
    } else if (event->type() == QEvent::Hide) {
        timer_->stop();
    }
    return QObject::eventFilter(watched, event);
}

void writeResult(QLineEdit* field, const QString& text) {
    if (field->text() != text)
        field->setText(text);
}

void writeResult(QLabel* label, const QString& text) {
    if (label->text() != text)
        label->setText(text);
}

} // namespace voltaris::gui
