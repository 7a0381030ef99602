// What the component code windows share: turning the readers' texts, colours, swatch updates and
// boxes into Qt, the code input field, and the value-in-several-units rows.
#pragma once

#include "core/codes/code_common.h"
#include "gui/pictures.h"

#include "gui/messages.h"
#include "gui/text.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace voltaris::gui {

class FieldGrid;
class Swatch;
class ToolWindow;

QStringList toEntries(const std::vector<std::string>& entries);
QColor toColour(const codes::Rgb& rgb);

// Shows or hides `swatch` and sets its fill as the update says; unset members stay as they are.
void applySwatch(Swatch* swatch, const codes::SwatchUpdate& update);
void hideSwatches(const QList<Swatch*>& swatches);

// The bottom row of a reading window: "Hesapla" (`Command1`) running `compute`, "Temizle"
// (`clearName`, tool tip "Hesabı Sil") running `clear` and, at the right end, the window's
// "Ana Menüye Dön" (`backName`).
void addCommandButtons(ToolWindow* window, QBoxLayout* layout, const QString& clearName,
                       const QString& backName, const std::function<void()>& compute,
                       const std::function<void()>& clear);

// The command (`name`, `caption`) that shows the tolerance range of the value read, the box
// `message` gives, in a row of its own; disabled until a code has been read.
QPushButton* addToleranceCommand(QWidget* window, QBoxLayout* layout, const QString& name,
                                 const QString& caption, const std::function<Message()>& message);

// The part's picture (`Picture1`), at least `lines` text lines high so that its bands and print
// read well at any scale.
ComponentPicture* makePicture(Component part, int bands, const QString& accessibleName,
                              double lines);

// A text field without the number filter: a printed code, or a value whose window filters its
// keys itself.
QLineEdit* makeCodeInput(const QString& name, const QString& label, const QString& toolTip = {});

// Text printed on a part's picture (a code, a letter), centred, bold, in `ink`.
QLabel* makePrintedLabel(const QString& name, const QString& accessibleName, const QColor& ink);

// A unit of the value rows: its symbol and its spoken name (the symbol's tool tip).
struct Unit {
    QString symbol;
    QString name;
};
// Adds one result row per unit, all labelled `label`: the fields `TextN`, `TextN+1`, ... from
// `firstNumber` on. Returns them in unit order.
QList<QLineEdit*> addValueRows(FieldGrid* grid, int firstNumber, const QString& label,
                               const QList<Unit>& units);

} // namespace voltaris::gui
