// Every way one window opens another, as data: the opener's control (a button or a menu item),
// the window it opens, as a tool (in place of the opener) or as a companion (beside it, on a tab
// page), and the opener's adjustments. The main menu, the section menus and the tools' menus only
// build their controls; the registry connects each control named here when its window is
// created, enabled while the window it opens exists in this program.
#pragma once

#include "gui/tool_window.h"

#include <QString>
#include <span>

class QWidget;

namespace voltaris::gui {

enum class OpenAs {
    Tool,      // shows the window, hides the opener (unless it opens itself)
    Companion, // shows the window beside the opener, which stays as it is
};

struct Opening {
    QString opener;  // form of the window holding the control
    QString control; // "Command3", "mn_gerilim"
    QString form;    // the window opened
    OpenAs as = OpenAs::Tool;
    // Made right after the window shows. The leaving buttons are not named: they follow `as`.
    Adjustments adjustments = {};
    // The opener checks its fields first and performs the opening itself (openingOf, open): the
    // table only enables the control.
    bool checkedByOpener = false;
};

// The whole table.
std::span<const Opening> Openings();

// Connects each control of `window` that the table names as an opener.
void connectOpenings(QWidget* window);

// The table's line for `control` of the window `opener`, or nullptr.
const Opening* openingOf(const QString& opener, const QString& control);

// Performs `opening` from `opener`; returns the window opened, or nullptr when this program does
// not have it.
QWidget* open(const Opening& opening, QWidget* opener);

// Shows `form` as a tool in place of `opener`, with no adjustments (nullptr when there is no such
// window).
QWidget* openAsTool(const QString& form, QWidget* opener);

} // namespace voltaris::gui
