// "Kablolu Elektrik Hatlarında Gerilim Düşümü": the voltage drop of a cable line in volts and in
// percent with its 5 % verdict, the line current and the heating check of the chosen section in
// earth and in air, revealed by the window's timers after the compute; the report.
#pragma once

#include "core/lowvoltage/cable_voltage_drop.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace voltaris::gui {

class CableLineControls;

class CableVoltageDropWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kCableVoltageDrop;
    CableVoltageDropWindow();

private:
    void buildMenus();
    void showSectionList();
    QComboBox* sectionList() const;
    cable_voltage_drop::Inputs inputs() const;
    cable_voltage_drop::Texts shownTexts() const;
    void compute();
    void revealLabels();
    void checkHeating();
    void writeReport();
    void clear();
    void sectionFromDiameter();

    CableLineControls* line_;
    QComboBox* copperSections_;    // Combo2
    QComboBox* aluminiumSections_; // Combo3
    QLineEdit* drop_;              // Text5
    QLineEdit* percent_;           // Text6
    QLineEdit* current_;           // Text3, the line current the heating check uses
    QLabel* limitVerdict_;         // Label12
    QLabel* heading_;              // Label14
    QLabel* currentSentence_;      // Label15
    QLabel* earthCapacity_;        // Label16
    QLabel* airCapacity_;          // Label17
    QLabel* earthVerdict_;         // Label18
    QLabel* airVerdict_;           // Label19
    QPushButton* report_;          // Command5
    // Set by "Hesapla", cleared by "Temizle": `Timer2` reveals the result labels.
    bool revealing_ = false;
    cable_voltage_drop::Kept kept_;
};

} // namespace voltaris::gui
