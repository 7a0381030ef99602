#include "gui/tool_window.h"

#include "gui/fields.h"
#include "gui/forms.h"
#include "gui/window_registry.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

namespace voltaris::gui {

ToolWindow::ToolWindow(const QString& form, const QString& title) {
    setObjectName(form);
    setWindowTitle(title);
    setAccessibleName(title);
}

void ToolWindow::openAsTool() {
    opener_.clear();
    showLeavingButtons(false);
}

void ToolWindow::openAsCompanion(ToolWindow* opener) {
    // A companion opening the window it serves only brings it to the front: that window stays
    // as it was opened, and neither leaves with the other in a circle.
    if (opener && opener->opener_ == this)
        return;
    opener_ = opener;
    if (opener && !opener->companions_.contains(this))
        opener->companions_.append(this);
    showLeavingButtons(true);
}

void ToolWindow::showLeavingButtons(bool companion) {
    if (companionClose_)
        companionClose_->setVisible(companion);
    if (returnButton_)
        returnButton_->setVisible(!companion);
    for (QWidget* control : hiddenAsCompanion_)
        control->setVisible(!companion);
}

void ToolWindow::adjust(const Adjustments& adjustments) {
    if (!adjustments.caption.isEmpty()) {
        setWindowTitle(adjustments.caption);
        setAccessibleName(adjustments.caption);
    }
    for (const QString& name : adjustments.shown)
        if (auto* control = findChild<QWidget*>(name))
            control->show();
    for (const QString& name : adjustments.hidden)
        if (auto* control = findChild<QWidget*>(name))
            control->hide();
    for (const QString& name : adjustments.selected)
        if (auto* option = findChild<QAbstractButton*>(name))
            option->setChecked(true);
    if (adjustments.page >= 0)
        showPage(adjustments.page);
}

void ToolWindow::showPage(int page) {
    if (auto* tabs = findChild<QTabWidget*>(QStringLiteral("SSTab1")))
        tabs->setCurrentIndex(page);
}

void ToolWindow::returnToMainMenu() {
    if (QWidget* menu = gui::window(forms::kMainMenu)) {
        menu->show();
        menu->raise();
        menu->activateWindow();
    }
    leave();
}

void ToolWindow::closeCompanion() {
    leave();
}

void ToolWindow::leave() {
    hide();
    // The companions this window opened leave with it; one that another window has opened since
    // stays.
    for (const QPointer<ToolWindow>& companion : std::as_const(companions_))
        if (companion && companion->opener_ == this)
            companion->closeCompanion();
    companions_.clear();
}

QPushButton* ToolWindow::makeReturnButton(const QString& name, const QString& toolTip) {
    returnButton_ = makeButton(name, QStringLiteral("Ana Menüye Dön"), toolTip);
    connect(returnButton_, &QPushButton::clicked, this, &ToolWindow::returnToMainMenu);
    return returnButton_;
}

QPushButton* ToolWindow::makeCompanionCloseButton(const QString& name, const QString& toolTip) {
    companionClose_ = makeButton(name, QStringLiteral("Bu Bölümü Kapat"), toolTip);
    companionClose_->hide();
    connect(companionClose_, &QPushButton::clicked, this, &ToolWindow::closeCompanion);
    return companionClose_;
}

void ToolWindow::hideWhenCompanion(const QList<QWidget*>& controls) {
    hiddenAsCompanion_.append(controls);
}

void ToolWindow::closeEvent(QCloseEvent* event) {
    // The window stays alive; closing it leaves the way its visible leaving button does.
    event->ignore();
    if (isCompanion())
        closeCompanion();
    else if (returnButton_)
        returnToMainMenu();
    else
        leave();
}

bool ToolWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // The layout has just settled (rows shown or hidden, texts changed): the window is never
    // smaller than its contents need, nor narrower than its menu bar, whose menus all stay in
    // sight.
    if ((event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show) && layout()) {
        QSize minimum = layout()->totalMinimumSize();
        if (const QWidget* bar = layout()->menuBar())
            minimum.setWidth(std::max(minimum.width(), bar->sizeHint().width()));
        if (minimum != minimumSize())
            setMinimumSize(minimum);
    }
    return handled;
}

} // namespace voltaris::gui
