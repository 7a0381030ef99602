// "Havai Hatlarda Gerilim Düşümü Hesabı": the voltage drop of a low-voltage overhead line with
// one load at its end or several along it, from the resistance and reactance of the chosen
// conductor; the 5 % verdict, the current at the start of the line and the report.
#pragma once

#include "core/lowvoltage/overhead_line_drop.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace voltaris::gui {

class FieldGrid;
class OptionGroup;

class OverheadLineDropWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kOverheadLineDrop;
    OverheadLineDropWindow();

private:
    void applyLoad();
    void applyPhases();
    void applyLayout();
    void fillConductors();
    void showConductor();
    overhead_line_drop::Inputs inputs() const;
    overhead_line_drop::Texts shownTexts() const;
    void compute();
    void writeReport();
    void clear();

    OptionGroup* loads_;    // Frame1
    OptionGroup* phases_;   // Frame2
    OptionGroup* layouts_;  // Frame3
    OptionGroup* families_; // Frame4
    QComboBox* conductor_;  // Combo1
    QLineEdit* resistance_; // Text18, Ω/km of the chosen conductor
    QLineEdit* reactance_;  // Text19
    QLineEdit* voltage_;    // Text1
    QComboBox* cosPhi_;     // Combo2
    FieldGrid* inputsGrid_;
    QLineEdit* endLoad_;      // Text2
    QLineEdit* endLength_;    // Text3
    QLabel* endLoadCaption_;  // Label3
    QLabel* endLoadUnit_;     // Label4
    QGroupBox* rows_;         // Frame5: the loads along the line
    QLabel* rowsLoadHeading_; // Label5
    std::array<QLineEdit*, overhead_line_drop::kLoadRows> rowLoads_;     // Text4 to Text8
    std::array<QLineEdit*, overhead_line_drop::kLoadRows> rowDistances_; // Text9 to Text13
    QLineEdit* moment_;                                                  // Text14
    QLabel* momentUnit_;                                                 // Label2
    QLineEdit* drop_;                                                    // Text15
    QLineEdit* percent_;                                                 // Text16
    QLabel* limitVerdict_;                                               // Label1
    QLineEdit* current_;                                                 // Text17
    QPushButton* report_;                                                // Command4
    // The choices of the last compute that finished, for its report.
    overhead_line_drop::Inputs computed_;
};

} // namespace voltaris::gui
