// Key filters of numeric fields: every typed key passes through the core's filter.
#pragma once

class QAbstractButton;
class QLineEdit;

namespace voltaris::gui {

// Digits and at most one '.': any other typed character becomes '.'.
void attachNumericKeyFilter(QLineEdit* field);
// Digits only.
void attachDigitKeyFilter(QLineEdit* field);
// Enter in `field` presses `command` instead of reaching the field's key filter: the window's
// default command, where the window has one.
void pressOnEnter(QLineEdit* field, QAbstractButton* command);

} // namespace voltaris::gui
