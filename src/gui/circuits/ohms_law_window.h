// "OHM ve WATT KANUNU": two of voltage, current, resistance and power give the other two.
#pragma once

#include "core/circuits/ohms_law.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace voltaris::gui {

class OhmsLawWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kOhmsLaw;
    OhmsLawWindow();

private:
    void compute();
    void writeReport();
    void clear();
    void checkSelection();
    ohms_law::Fields fieldTexts() const;

    QComboBox* first_;
    QComboBox* second_;
    QLabel* firstUnit_;
    QLabel* secondUnit_;
    std::array<QLineEdit*, 7> text_{}; // text_[n] is the field `Text<n>`
    QPushButton* compute_;
    QPushButton* report_;
    int caseCode_ = 0; // the pair of quantities of the last compute, for the report
};

} // namespace voltaris::gui
