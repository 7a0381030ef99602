// "Enerji Nakil Hattı Hesaplamaları" (`Form50`): the constants of an overhead line, its surge
// impedance and natural power, its losses and the sag of a span, a tab page each under the
// conductor chosen for all of them, and the conductor table.
#pragma once

#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace voltaris::gui {

class TransmissionLineWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kTransmissionLine;
    TransmissionLineWindow();

private:
    QWidget* buildConstantsPage();
    QWidget* buildSurgePage();
    QWidget* buildLossesPage();
    QWidget* buildSpanPage();
    QWidget* buildTablePage();
    void showConductor(int index);
    void computeConstants();
    void computeSurge();
    void computeLosses();
    void computeSpan();
    void clear();

    QComboBox* conductor_;
    QLabel* conductorData_;
    QTabWidget* tabs_;
    // Line constants.
    QLineEdit *d12_, *d23_, *d31_;
    QLineEdit *gmd_, *resistance_, *inductance_, *reactance_, *capacitance_, *susceptance_;
    // Surge impedance and natural power.
    QLineEdit *surgeVoltage_, *surgeLength_;
    QLineEdit *impedance_, *naturalPower_, *chargingCurrent_, *chargingPower_;
    // Losses.
    QLineEdit *power_, *lossVoltage_, *lossLength_;
    QComboBox* powerFactor_;
    QLineEdit *current_, *lineResistance_, *loss_, *lossPercent_;
    // Sag and tension.
    QLineEdit *span_, *safety_, *height_, *ice_, *wind_;
    QLineEdit *load_, *tension_, *horizontal_, *parabolic_, *catenary_, *length_, *clearance_;
};

} // namespace voltaris::gui
