// "Direk Hesaplama": the loads on a distribution pole (the wind on its conductors and on itself,
// the pull of its conductors at a line angle or a dead end) reduced to its top, and the lightest
// concrete pole of the pole chart that carries them. The chart opens beside it.
#pragma once

#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLineEdit;

namespace voltaris::gui {

class OptionGroup;

class PoleCalculationWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kPoleCalculation;
    PoleCalculationWindow();

private:
    void compute();
    void clear();

    OptionGroup* duty_;
    QComboBox* height_;
    QList<QLineEdit*> inputs_;  // Text1 to Text10
    QLineEdit* angle_;          // Text10
    QList<QLineEdit*> results_; // Text11 to Text15
};

} // namespace voltaris::gui
