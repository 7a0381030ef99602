// How a menu opens a window: the window shows, the menu hides, and the opener's adjustments
// follow (controls shown or hidden, options chosen, any further set-up).
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QPushButton;
class QWidget;

namespace voltaris::app {

// What an entry of a menu opens, and the adjustments made right after the window shows.
struct Opening {
    QString form;
    QStringList shown = {};                  // controls made visible
    QStringList hidden = {};                 // controls made invisible
    QStringList selected = {};               // option buttons chosen
    std::function<void(QWidget*)> then = {}; // any further set-up by the opener
};

// Opens `opening` from `menu`: the window shows, `menu` hides, the adjustments follow.
QWidget* openFrom(QWidget* menu, const Opening& opening);

// A command button of `menu` that opens `opening`; disabled while its window does not exist in
// this program.
QPushButton* makeOpeningButton(QWidget* menu, const QString& name, const QString& caption,
                               const Opening& opening, const QString& toolTip = {});

} // namespace voltaris::app
