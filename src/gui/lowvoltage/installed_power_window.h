// "Kurulu Güç ve Talep Güç Hesaplama Bölümü": a building's installed power and its demand power
// by the demand factors of its kind, with the factor tables and their source beside them. Its
// companion, the flat installed power window, computes a flat's installed power and hands it in.
#pragma once

#include "core/lowvoltage/installed_power.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace voltaris::gui {

class FieldGrid;
class ReferenceTable;

class InstalledPowerWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kInstalledPower;
    InstalledPowerWindow();

    // A flat's installed power (kW) handed in: the building becomes a block of flats with it.
    void takeFlatPower(const QString& kilowatts);

private:
    void compute();
    void clear();
    // The rule under the list and the rows of flats only follow the kind chosen.
    void showKind(int type);
    QWidget* buildTables();

    QComboBox* kind_;     // Combo1
    QLabel* rule_;        // Label1
    QLineEdit* power_;    // Text1, one section's installed power
    QLineEdit* units_;    // Text2, number of sections
    QLineEdit* total_;    // Text3
    QLineEdit* flat_;     // Text4, one flat's demand power
    QLineEdit* building_; // Text5, the building factor
    QLineEdit* demand_;   // Text6
    QLineEdit* overall_;  // Text7
    FieldGrid* grid_;
    ReferenceTable* byKind_;  // Table1: the chosen kind's rows selected
    ReferenceTable* byFlats_; // Table2: the building factor's row selected
    QPushButton* report_;     // Command8
    // The last compute that finished: its kind and the slices of its formula.
    int reportedKind_ = installed_power::kDwelling;
    std::string reportedFormula_;
};

} // namespace voltaris::gui
