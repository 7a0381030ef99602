// "Alüminyum İletkenlerin Kilogram Karşılıklarını Bulma Bölümü": the weight of the conductors of
// a line from its length, the length a weight of conductor makes, the table of the conductors and
// the report.
#pragma once

#include "core/mediumvoltage/conductor_weight.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace voltaris::gui {

class ConductorWeightWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kAluminiumWeights;
    ConductorWeightWindow();

private:
    void computeWeight();
    void computeLength();
    void writeReport();
    void clear();

    QComboBox* weightConductor_; // Combo1
    QLineEdit* length_;          // Text1, m
    QLineEdit* count_;           // Text2
    QLineEdit* each_;            // Text4, kg
    QLineEdit* weight_;          // Text3, kg
    QComboBox* lengthConductor_; // Combo2
    QLineEdit* kilograms_;       // Text11
    QLineEdit* lengthCount_;     // Text12
    QLineEdit* totalLength_;     // Text14, m
    QLineEdit* lineLength_;      // Text13, m
    QPushButton* report_;        // Command4
    // The conductors of the last compute of each kind that finished, for the report.
    std::optional<int> weightComputed_;
    std::optional<int> lengthComputed_;
};

} // namespace voltaris::gui
