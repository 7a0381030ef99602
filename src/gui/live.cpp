#include "gui/live.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace voltaris::gui {

WindowTimer::WindowTimer(QWidget* window, const QString& name, std::function<void()> tick,
                         int interval)
    : QTimer(window), window_(window), tick_(std::move(tick)) {
    setObjectName(name);
    setInterval(interval);
    connect(this, &QTimer::timeout, this, [this] {
        if (!drivenByHand_)
            tick_();
    });
    window->installEventFilter(this);
    if (window->isVisible())
        start();
}

void WindowTimer::setWanted(bool wanted) {
    wanted_ = wanted;
    if (wanted_ && window_->isVisible())
        start();
    else
        stop();
}

bool WindowTimer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        tick_();
        if (wanted_)
            start();
    } else if (event->type() == QEvent::Hide) {
        stop();
    }
    return QTimer::eventFilter(watched, event);
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
