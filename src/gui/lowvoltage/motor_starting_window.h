// "Motorlarda Yolverme Donanımları Seçim Bölümü": the direct-on-line and star-delta switchgear of
// a motor power for a contactor maker, looked up by the window's timer.
#pragma once

#include "core/lowvoltage/motor_starting.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

#include <array>

class QComboBox;
class QLineEdit;

namespace voltaris::gui {

class OptionGroup;

class MotorStartingWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kMotorStarting;
    MotorStartingWindow();

private:
    // Timer1: shows the entry of the chosen maker and power.
    void showEntry();

    OptionGroup* makers_;
    QComboBox* powers_;
    std::array<QLineEdit*, motor_starting::kResultCount> results_{};
};

} // namespace voltaris::gui
