// "İletkenlerin Direnç Değerlerinin Sıcaklıkla Değişimi": a conductor's resistance at a given
// temperature from its resistance at 20 °C. A tool of the main menu and a companion of the
// conductor resistance window.
#pragma once

#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLineEdit;

namespace voltaris::gui {

class TemperatureResistanceWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kTemperatureResistance;
    TemperatureResistanceWindow();

private:
    void compute();

    QComboBox* material_;
    QLineEdit* resistance_;
    QLineEdit* temperature_;
    QLineEdit* result_;
};

} // namespace voltaris::gui
