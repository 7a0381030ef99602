#include "gui/tool_window.h"

#include "gui/navigation.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>

namespace voltaris::gui {

ToolWindow::ToolWindow(const QString& formName, const QString& title) {
    setObjectName(formName);
    setWindowTitle(title);
    setAccessibleName(title);
}

void ToolWindow::showPage(int) {}

void ToolWindow::showAsCompanion(int page) {
    show();
    raise();
    activateWindow();
    if (page >= 0)
        showPage(page);
    if (companionClose_)
        companionClose_->show();
    if (returnButton_)
        returnButton_->hide();
    for (QAbstractButton* button : hiddenAsCompanion_)
        button->hide();
}

void ToolWindow::closeAsCompanion() {
    if (companionClose_)
        companionClose_->click();
}

void ToolWindow::setLeavingButtons(QAbstractButton* returnButton, QAbstractButton* companionClose,
                                   QList<QAbstractButton*> hiddenAsCompanion) {
    returnButton_ = returnButton;
    companionClose_ = companionClose;
    hiddenAsCompanion_ = std::move(hiddenAsCompanion);
}

void ToolWindow::closeEvent(QCloseEvent* event) {
    // The window stays alive; closing it leaves the way its visible leaving button does.
    event->ignore();
    if (companionClose_ && !companionClose_->isHidden())
        companionClose_->click();
    else if (returnButton_)
        returnButton_->click();
    else
        hide();
}

void ToolWindow::showEvent(QShowEvent* event) {
    if (layout() && layout()->menuBar())
        setMinimumWidth(std::max(minimumWidth(), layout()->menuBar()->sizeHint().width()));
    QWidget::showEvent(event);
}

} // namespace voltaris::gui
