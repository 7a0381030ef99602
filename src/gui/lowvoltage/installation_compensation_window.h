// "Komple Tesis Kompanzasyonu": the central power-factor correction of a whole installation,
// from its loads' total power or its own transformer, and from the energy meters' readings.
#pragma once

#include "core/lowvoltage/installation_compensation.h"
#include "gui/forms.h"
#include "gui/lowvoltage/compensation_widgets.h"
#include "gui/tool_window.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace voltaris::gui {

class OptionGroup;

class InstallationCompensationWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kInstallationCompensation;
    InstallationCompensationWindow();

private:
    void buildMenus(QLayout* layout);
    void showInstallation();
    void compute();
    void computeFromMeters();
    void writeReport();
    void clear();
    installation_compensation::Installation installation() const;
    installation_compensation::Inputs inputs() const;
    installation_compensation::Results shown() const;

    OptionGroup* installation_;
    QLineEdit* power_;     // Text1
    NamedRow powerLabels_; // Label1, Label12
    PowerFactorLists lists_;
    QLineEdit* capacitorPower_;  // Text2
    QLineEdit* current_;         // Text3
    QLineEdit* drawnPower_;      // Text4
    QLineEdit* lossesCapacitor_; // Text5
    NamedRow drawnLabels_;       // Label6, Label7
    NamedRow lossesLabels_;      // Label10, Label11
    QPushButton* report_;
    compensation::Tangents tangents_; // of the last compute, for the report
};

} // namespace voltaris::gui
