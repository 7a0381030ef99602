// "Alternatif Akımda Endüktif Alıcının Güç Katsayısının Düzeltilmesi - Tek Tek Kompanzasyon": the
// capacitor that corrects the power factor of one inductive load.
#pragma once

#include "core/lowvoltage/load_compensation.h"
#include "gui/forms.h"
#include "gui/lowvoltage/compensation_widgets.h"
#include "gui/tool_window.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace voltaris::gui {

class OptionGroup;

class LoadCompensationWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kLoadCompensation;
    LoadCompensationWindow();

private:
    void buildMenus(QLayout* layout);
    void showSupply();
    void compute();
    void writeReport();
    void clear();
    load_compensation::Supply supply() const;
    load_compensation::Inputs inputs() const;
    load_compensation::Results shown() const;

    OptionGroup* supply_;
    QLineEdit* power_;     // Text2
    QLineEdit* current_;   // Text4
    QLineEdit* frequency_; // Text5
    PowerFactorLists lists_;
    QLineEdit* capacitorCurrent_; // Text1
    QLineEdit* capacitorPower_;   // Text7
    QLineEdit* capacitance_;      // Text8
    QLineEdit* deltaCapacitance_; // Text9
    QLabel* capacitanceLabel_;    // Label8
    NamedRow deltaLabels_;        // Label9, Label13
    QPushButton* report_;
    compensation::Tangents tangents_; // of the last compute, for the report
};

} // namespace voltaris::gui
