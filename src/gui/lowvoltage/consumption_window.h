// "Basit Elektrik Tüketim Hesaplama": the energy and cost of a device over its periods, of
// low-voltage meter readings on one or three rates, and of medium-voltage meter readings.
#pragma once

#include "gui/forms.h"
#include "gui/tool_window.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace voltaris::gui {

class FieldGrid;
class OptionGroup;

class ConsumptionWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kConsumption;
    ConsumptionWindow();

private:
    QWidget* buildDevicePage();
    QWidget* buildLowVoltagePage();
    QWidget* buildMediumVoltagePage();
    void buildMenus();
    bool threeRates() const;
    void showRates();
    void computeDevice();
    void computeLowVoltage();
    void computeMediumVoltage();
    void chooseTransformer();
    void clearAll();

    // The device page.
    QLineEdit* power_;                   // Text1
    QLineEdit* hours_;                   // Text2
    QLineEdit* price_;                   // Text3
    std::array<QLineEdit*, 9> energy_{}; // Text6, Text8, ... Text22
    std::array<QLineEdit*, 9> cost_{};   // Text7, Text9, ... Text23
    QPushButton* computeDevice_;         // Command1
    // The low-voltage page.
    OptionGroup* tariffs_;      // Frame1: Option1, Option2
    QComboBox* lowTransformer_; // Combo1
    FieldGrid* readings_;
    std::array<QLineEdit*, 3> rateEnergy_{}; // Text24, Text26, Text28
    std::array<QLineEdit*, 3> ratePrice_{};  // Text25, Text27, Text29
    QLabel* firstEnergyCaption_;
    QLabel* firstPriceCaption_;
    QLabel* firstMark_;                           // "T1"
    std::array<QLineEdit*, 3> rateTotalEnergy_{}; // Text32, Text34, Text36
    std::array<QLineEdit*, 3> rateTotalCost_{};   // Text33, Text35, Text37
    QList<QWidget*> rateResultRow_;               // the per-rate results, three rates only
    QLineEdit* totalEnergy_;                      // Text30
    QLineEdit* totalCost_;                        // Text31
    QLabel* totalCostCaption_;
    QPushButton* computeLowVoltage_; // Command2
    // The medium-voltage page.
    QComboBox* mediumTransformer_;      // Combo2
    QComboBox* voltageTransformer_;     // Combo3
    QLineEdit* meterEnergy_;            // Text38
    QLineEdit* meterPrice_;             // Text39
    QLineEdit* meterTotal_;             // Text40
    QLineEdit* meterCost_;              // Text41
    QPushButton* computeMediumVoltage_; // Command3
};

} // namespace voltaris::gui
