// The SMD resistor window (`Form55`): a printed code read into ohm, kilo-ohm and mega-ohm, with
// the tolerance of the codes that carry one and its minimum and maximum.
#pragma once

#include "gui/forms.h"
#include "gui/tool_window.h"

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace voltaris::gui {

class SmdResistorWindow : public ToolWindow {
public:
    static inline const QString& kForm = forms::kSmdResistor;
    SmdResistorWindow();

private:
    void compute();
    void clear();

    QLineEdit* code_;
    QList<QLineEdit*> values_; // `Text2` to `Text4`
    QLineEdit* tolerance_;
    QLabel* codeLabel_;
    QPushButton* toleranceCommand_;
    std::optional<double> tolerancePercent_; // of the last code read
};

} // namespace voltaris::gui
