// "Bir İletkenin Direncini Hesaplama": the resistance at 20 °C of a conductor from its length,
// section and material, with its report, the section of a round conductor from its diameter and
// the companions for conversions and the temperature dependence.
#pragma once

#include "core/circuits/conductor_resistance.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace voltaris::gui {

class ConductorResistanceWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kConductorResistance;
    ConductorResistanceWindow();

private:
    void buildMenus();
    void compute();
    void clear();
    void sectionFromDiameter();
    conductor_resistance::State state() const;

    QComboBox* material_;
    QLineEdit* length_;
    QLineEdit* section_;
    QLineEdit* resistance_;
    QPushButton* report_;
    double resistivity_ = 0; // taken by the last compute, printed by the report
};

} // namespace voltaris::gui
