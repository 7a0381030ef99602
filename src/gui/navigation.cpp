#include "gui/navigation.h"

#include "gui/tool_window.h"
#include "gui/window_registry.h"

namespace voltaris::gui {

QWidget* openTool(QWidget* opener, const QString& form) {
    QWidget* tool = window(form);
    tool->show();
    tool->raise();
    tool->activateWindow();
    if (opener && opener != tool)
        opener->hide();
    return tool;
}

void returnToMainMenu(QWidget* tool) {
    QWidget* menu = window(kMainMenuForm);
    menu->show();
    menu->raise();
    menu->activateWindow();
    if (tool != menu)
        tool->hide();
}

QWidget* openCompanion(const QString& form, int page) {
    QWidget* companion = window(form);
    if (auto* tool = qobject_cast<ToolWindow*>(companion))
        tool->showAsCompanion(page);
    else
        companion->show();
    return companion;
}

void closeCompanion(const QString& form) {
    if (auto* companion = qobject_cast<ToolWindow*>(WindowRegistry::instance().existing(form)))
        companion->closeAsCompanion();
}

void adjustControls(QWidget* window, const QStringList& shown, const QStringList& hidden) {
    for (const QString& name : shown)
        if (auto* control = window->findChild<QWidget*>(name))
            control->show();
    for (const QString& name : hidden)
        if (auto* control = window->findChild<QWidget*>(name))
            control->hide();
}

} // namespace voltaris::gui
