// The section menus between the main menu and groups of tools: the component-code menu (Form2),
// the menu of further tool groups (Form40), each showing the buttons of the group that opened
// it, and the low-voltage menu (Form23) with its power-factor panel.
#pragma once

#include "app/opening.h"
#include "gui/tool_window.h"

#include <QList>
#include <QStringList>

namespace voltaris::app {

inline const QString kCodeMenuForm = QStringLiteral("Form2");
inline const QString kToolGroupMenuForm = QStringLiteral("Form40");
inline const QString kLowVoltageMenuForm = QStringLiteral("Form23");

// A menu whose caption and visible controls depend on who opened it. "Ana Menüye Dön" always
// shows.
class SectionMenu : public gui::ToolWindow {
public:
    // Sets the caption and shows exactly the controls named in `shown` among the configurable
    // ones; the last configuration stays until another opener applies its own.
    void configure(const QString& caption, const QStringList& shown);

protected:
    SectionMenu(const QString& form, const QString& caption);
    // Registers a control whose visibility the configurations decide.
    void addConfigurable(QWidget* control);

private:
    QList<QWidget*> configurable_;
};

// The configurations of the component-code menu.
enum class CodeMenu { Resistors, Capacitors, FourBand, FiveBand, SixBand };
// The configurations of the menu of further tool groups.
enum class ToolGroup { MediumVoltage, Coils, Distribution, Cables };

class CodeMenuWindow : public SectionMenu {
public:
    CodeMenuWindow();
    void configure(CodeMenu menu);
    using SectionMenu::configure;
};

class ToolGroupMenuWindow : public SectionMenu {
public:
    ToolGroupMenuWindow();
    void configure(ToolGroup group);
    using SectionMenu::configure;
};

class LowVoltageMenuWindow : public gui::ToolWindow {
public:
    LowVoltageMenuWindow();

private:
    // Enlarges the window so that the power-factor panel shows, centred vertically on its
    // screen.
    void showPowerFactorPanel();

    QWidget* panel_ = nullptr;
};

// The main menu's openings of the configurable menus.
Opening codeMenuOpening(CodeMenu menu);
Opening toolGroupOpening(ToolGroup group);

} // namespace voltaris::app
