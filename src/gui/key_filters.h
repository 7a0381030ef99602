// Key filters of numeric fields: every typed key passes through the core's filter.
#pragma once

class QLineEdit;

namespace voltaris::gui {

// Digits and at most one '.': any other typed character becomes '.'.
void attachNumericKeyFilter(QLineEdit* field);
// Digits only.
void attachDigitKeyFilter(QLineEdit* field);

} // namespace voltaris::gui
