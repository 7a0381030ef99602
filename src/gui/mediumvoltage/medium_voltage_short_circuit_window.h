// "Orta Gerilim 3 Faz Kısa Devre Hesabı" (`Form41`): see
// core/mediumvoltage/medium_voltage_short_circuit.h.
#pragma once

#include "core/mediumvoltage/medium_voltage_short_circuit.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace voltaris::gui {

class MediumVoltageShortCircuitWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kMediumVoltageShortCircuit;
    MediumVoltageShortCircuitWindow();

    // What the line window hands back: its list and its sums.
    void takeLines(const QStringList& entries, const medium_voltage_short_circuit::LineSums& sums);

private:
    void openLines();
    void compute();
    void peakCurrent();

    QLineEdit *highVoltage_, *voltage_, *networkPower_, *initialPower_;
    QLineEdit *transformerPower_, *transformerLoss_, *transformerUk_;
    QLineEdit *customerPower_, *customerLoss_, *customerUk_;
    QListWidget* lines_;
    QLabel *resistancePercent_, *reactancePercent_, *resistance_, *reactance_;
    QLineEdit *centreImpedance_, *centreCurrent_, *lineEndImpedance_, *lineEndCurrent_;
    QLineEdit *busbarImpedance_, *busbarCurrent_, *ratio_, *percentBreakingPower_, *breakingPower_;
    QLineEdit *impulseFactor_, *peakCurrent_;
    QLabel* verdict_;
    std::string takenVoltage_; // U as it was when the line window opened
    medium_voltage_short_circuit::LineSums sums_;
    double keptCurrent_ = 0;
};

} // namespace voltaris::gui
