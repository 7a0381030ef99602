#include "gui/default_buttons.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace voltaris::gui {

namespace {

bool canPress(const QPushButton* button) {
    return button && button->isVisible() && button->isEnabled();
}

} // namespace

DefaultButtons::DefaultButtons(QWidget* window, QTabWidget* tabs, QList<Page> pages)
    : QObject(window), window_(window), pages_(std::move(pages)) {
    window->installEventFilter(this);
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        field->installEventFilter(this);
    connect(tabs, &QTabWidget::currentChanged, this, &DefaultButtons::follow);
    follow(tabs->currentIndex());
}

void DefaultButtons::follow(int page) {
    if (page < 0 || page >= pages_.size())
        return;
    if (current_.enter)
        current_.enter->setDefault(false);
    current_ = pages_[page];
    current_.enter->setDefault(true); // drawn as the default button
}

bool DefaultButtons::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    QPushButton* button = nullptr;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        button = focused && window_->isAncestorOf(focused) ? focused : current_.enter;
    } else if (key == Qt::Key_Escape) {
        button = current_.escape;
    }
    if (!canPress(button))
        return false;
    button->click();
    return true;
}

} // namespace voltaris::gui
