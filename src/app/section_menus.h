// The section menus between the main menu and groups of tools: the component-code menu (Form2),
// the menu of further tool groups (Form40), each showing the buttons of the group that opened
// it, and the low-voltage menu (Form23) with its power-factor panel.
#pragma once

#include "gui/forms.h"
#include "gui/tool_window.h"

#include <QList>
#include <QStringList>

namespace voltaris::app {

// A menu whose caption and visible controls depend on who opened it (the openings table holds
// its configurations). "Ana Menüye Dön" always shows.
class SectionMenu : public gui::ToolWindow {
public:
    // Sets the caption and shows exactly the controls named shown among the configurable ones;
    // the last configuration stays until another opener applies its own.
    void adjust(const gui::Adjustments& adjustments) override;

protected:
    SectionMenu(const QString& form, const QString& caption);
    // Registers controls whose visibility the configurations decide.
    void addConfigurable(const QList<QWidget*>& controls);
    // Shows the configuration of the menu's first opening in the openings table.
    void showFirstConfiguration();

private:
    QList<QWidget*> configurable_;
};

class CodeMenuWindow : public SectionMenu {
public:
    static inline const QString& kForm = gui::forms::kCodeMenu;
    CodeMenuWindow();
};

class ToolGroupMenuWindow : public SectionMenu {
public:
    static inline const QString& kForm = gui::forms::kToolGroupMenu;
    ToolGroupMenuWindow();
};

class LowVoltageMenuWindow : public gui::ToolWindow {
public:
    static inline const QString& kForm = gui::forms::kLowVoltageMenu;
    LowVoltageMenuWindow();

private:
    // Enlarges the window so that the power-factor panel shows, centred vertically on its
    // screen.
    void showPowerFactorPanel();

    QWidget* panel_ = nullptr;
};

} // namespace voltaris::app
