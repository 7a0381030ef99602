// "Enerji Nakil Hattı Ekleme Bölümü" (`Form42`): the lines between the distribution centre and
// the customer, summed and handed back to the short-circuit window.
#pragma once

#include "core/mediumvoltage/medium_voltage_short_circuit.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace voltaris::gui {

class OptionGroup;

class MediumVoltageLinesWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kMediumVoltageLines;
    MediumVoltageLinesWindow();

    // U (kV) and the network power (MVA) of the opener, for the per-cent sums.
    void setNetwork(double voltage, double networkPower);

private:
    void showLaying(int laying);
    void addLine();
    void handBack();
    void clearList();

    OptionGroup* laying_;
    QLabel *conductorCaption_, *resistanceCaption_, *reactanceCaption_;
    QLabel *resistanceUnit_, *reactanceUnit_;
    QComboBox *conductor_, *circuits_;
    QLineEdit *resistance_, *reactance_, *length_;
    QListWidget* lines_;
    medium_voltage_short_circuit::LineSums sums_;
    double voltage_ = 0, networkPower_ = 0;
};

} // namespace voltaris::gui
