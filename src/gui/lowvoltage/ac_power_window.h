// "Alternatif Akımda Güç Hesaplanması": P, Q and S of a single- or three-phase load, the RMS,
// peak, average and instantaneous values of its voltage and current, the current from a power in
// watts, and the report.
#pragma once

#include "core/lowvoltage/ac_power.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace voltaris::gui {

class OptionGroup;

class AcPowerWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kAcPower;
    AcPowerWindow();

private:
    ac_power::Supply supply() const;
    void chooseSupply();
    void compute();
    void currentFromPower();
    void writeReport();
    void clear();
    ac_power::Fields fieldTexts() const;

    OptionGroup* supplies_;
    QLineEdit* voltage_;
    QLineEdit* current_;
    QComboBox* cosPhi_;
    QLineEdit* active_;
    QLineEdit* reactive_;
    QLineEdit* apparent_;
    QLineEdit* voltageRms_;
    QLineEdit* voltagePeak_;
    QLineEdit* voltageAverage_;
    QLineEdit* voltageInstant_;
    QLineEdit* currentRms_;
    QLineEdit* currentPeak_;
    QLineEdit* currentAverage_;
    QLineEdit* currentInstant_;
    QPushButton* report_;
    QString storedCosPhi_; // the list's text at the last compute
};

} // namespace voltaris::gui
