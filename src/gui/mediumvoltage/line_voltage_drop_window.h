// "Orta Gerilimde Gerilim Düşümü Hesaplama": the voltage drop, power loss and load current of a
// medium-voltage line with their verdicts. Two timers follow the choices: one shows the frames,
// picture and conductor list of the chosen line kind, the other keeps U, K, C and the capacity.
#pragma once

#include "core/mediumvoltage/line_voltage_drop.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace voltaris::gui {

class FieldGrid;
class LinePicture;
class OptionGroup;

class LineVoltageDropWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kMediumVoltageDrop;
    LineVoltageDropWindow();

private:
    void buildMenus();
    line_voltage_drop::Line chosenLine() const;
    int chosenArrangement() const;
    QComboBox* conductorList() const;
    void showLineKind();
    void keepCoefficients();
    void compute();
    void writeReport();
    void clear();

    OptionGroup* lines_;        // Option1, Option2
    OptionGroup* voltages_;     // Option13, Option3, Option11, Option12, Option4
    OptionGroup* arrangements_; // Option5 to Option7
    OptionGroup* layings_;      // Option8 to Option10
    FieldGrid* grid_;
    QComboBox* conductors_;   // Combo1
    QComboBox* singleCores_;  // Combo2
    QComboBox* threeCores_;   // Combo3
    QWidget* cables_;         // the row of Combo2 and Combo3
    LinePicture* picture_;    // Picture1
    QLineEdit* demand_;       // Text1
    QLineEdit* length_;       // Text2
    QLineEdit* drop_;         // Text3
    QLineEdit* loss_;         // Text4
    QLineEdit* lossPercent_;  // Text5
    QLineEdit* current_;      // Text6
    QLabel* dropVerdict_;     // Label11
    QLabel* lossVerdict_;     // Label12
    QLabel* capacity_;        // Label13
    QLabel* capacityVerdict_; // Label14
    QPushButton* report_;     // Command4
    // Kept by the timers and the compute.
    line_voltage_drop::Coefficients kept_;
    std::string arrangementReport_;
    std::string conductorReport_;
};

} // namespace voltaris::gui
