// What a scenario reads from a named control (a widget or a menu item) and how it acts on one the
// way a person would.
#pragma once

#include <QString>
#include <optional>

class QObject;
class QWidget;

namespace voltaris::scenario {

// The object that stands for `found` in a scenario: a menu stands for its item in the menu bar.
QObject* asControl(QObject* found);

// The control's text: a text field's text, a caption, a list's current entry, a frame's title, a
// menu item's caption; nothing when the control has none.
std::optional<QString> textOf(const QObject* control);
// Seen by a person if its window were shown: the control and every container between it and its
// window (group, frame, tab page) are shown; a window, its own visibility; a menu item, its own.
bool isShown(const QObject* control);
// Usable by a person: not disabled, itself or through its containers.
bool isEnabled(const QObject* control);
// Nothing when the control cannot be checked (or read-only, or has entries or pages).
std::optional<bool> isChecked(const QObject* control);
std::optional<bool> isReadOnly(const QObject* control);
std::optional<int> currentIndexOf(const QObject* control);
std::optional<int> entryCountOf(const QObject* control);
std::optional<int> currentPageOf(const QObject* control);
// The meaning colour as "R,G,B", or "normal"; nothing for a control that is not a widget.
std::optional<QString> colourOf(const QObject* control);

// The control's class and state on one line, for exploring a window.
QString describe(const QObject* control);

// Clicks the control: a button's click, a menu item's trigger, a mouse click on anything else.
void click(QObject* control);
// Sends one key with `character` as its text to `field`; "\b" is Backspace, "\r" Enter.
void typeKey(QWidget* field, QChar character);

} // namespace voltaris::scenario
