// "Alçak Gerilim 3 Faz Kısa Devre Hesabı": the short-circuit currents at the start and at the end
// of a low-voltage line fed by a distribution transformer, and the two checks of the sections
// against them.
#pragma once

#include "core/lowvoltage/low_voltage_short_circuit.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QMenuBar;
class QPushButton;

namespace voltaris::gui {

class CheckPicture;

class LowVoltageShortCircuitWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kLowVoltageShortCircuit;
    LowVoltageShortCircuitWindow();

private:
    // A check group: its clearing time, its command and its three pictures.
    struct Check {
        QGroupBox* frame;
        QLineEdit* time;
        CheckPicture* unchecked;
        CheckPicture* suitable;
        CheckPicture* unsuitable;
    };
    using Verdict = low_voltage_short_circuit::Verdict;

    void buildMenus(QMenuBar* menuBar);
    Check buildCheck(int number, const QString& title, QPushButton* command);
    void compute();
    void sectionFromDiameter();
    // Runs a check's command: `verdict` reads the time field; a failure warns for the seconds.
    void runCheck(const Check& check,
                  const std::function<std::optional<Verdict>(const std::string& time)>& verdict);
    static void showVerdict(const Check& check, std::optional<Verdict> verdict);
    void clear();
    low_voltage_short_circuit::Inputs inputs() const;

    QLineEdit* power_;            // Text1, kVA
    QLineEdit* voltage_;          // Text2, kV: shown, never read
    QLineEdit* shortCircuitVolt_; // Text3, %
    QLineEdit* copperLoss_;       // Text4, W
    QComboBox* startCase_;        // Combo1
    QLineEdit* startCurrent_;     // Text5, kA
    QComboBox* conductor_;        // Combo4
    QComboBox* phaseSection_;     // Combo2
    QComboBox* neutralSection_;   // Combo3
    QLineEdit* length_;           // Text10, m
    QComboBox* endCase_;          // Combo5
    QLineEdit* endCurrent_;       // Text9, kA
    Check lineStart_;             // Frame1: Text8, Command3, Image1 to Image3
    Check lineEnd_;               // Frame2: Text11, Command4, Image4 to Image6
    low_voltage_short_circuit::Kept kept_;
};

} // namespace voltaris::gui
