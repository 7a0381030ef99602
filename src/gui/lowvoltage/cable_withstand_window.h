// "Kablonun Dayanacağı Kısa Devre Akımı Hesaplama": a cable's short-circuit withstand (its
// smallest section, its largest current, its withstand time) on the first page; the smallest
// short-circuit current at the end of a cable against a moulded-case breaker on the second.
#pragma once

#include "core/lowvoltage/cable_withstand.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;

namespace voltaris::gui {

class FieldGrid;
class OptionGroup;

class CableWithstandWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kCableWithstand;
    CableWithstandWindow();

private:
    void buildMenus(QMenuBar* menuBar);
    QWidget* buildWithstandPage();
    QWidget* buildMinimumPage();
    void showQuantity();
    void compute();
    void clear();
    void computeMinimum();
    cable_withstand::Quantity quantity() const;
    cable_withstand::Insulation insulation() const;
    cable_withstand::Conductor conductor() const;
    cable_withstand::Inputs inputs() const;
    cable_withstand::BreakerInputs breakerInputs() const;
    cable_withstand::BreakerResults breakerShown() const;

    // The first page.
    OptionGroup* quantity_;   // Option1, Option2, Option7
    OptionGroup* insulation_; // Option3, Option4
    OptionGroup* conductor_;  // Option6, Option5
    FieldGrid* grid_;
    QLineEdit* current_;  // Text1, kA
    QComboBox* section_;  // Combo1, mm²
    QLineEdit* duration_; // Text2, s
    QLineEdit* result_;   // Text3
    QLabel* resultLabel_; // Label21, the caption of Text3
    QLabel* resultUnit_;  // Label22, its unit
    QPushButton* report_; // Command4
    cable_withstand::Kept kept_;

    // The second page.
    OptionGroup* breakerConductor_;           // Option8, Option9
    QLineEdit* voltage_;                      // Text4, V
    QLineEdit* length_;                       // Text5, m
    QComboBox* breakerSection_;               // Combo2, mm²
    QComboBox* parallel_;                     // Combo3
    QLineEdit* breakerCurrent_;               // Text6, A
    QComboBox* setting_;                      // Combo4
    QLineEdit* minimumCurrent_;               // Text7, kA
    QLabel* verdict_;                         // Label20
    QPushButton* minimumReport_;              // Command8
    cable_withstand::BreakerResults factors_; // the factors of the last compute
};

} // namespace voltaris::gui
