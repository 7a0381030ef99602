// The capacitor digit and letter code window (`Form17`): a printed value code read into
// picofarad, nanofarad, microfarad and farad, with the tolerance letter and voltage code chosen
// from lists and printed on the capacitor picture.
#pragma once

#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace voltaris::gui {

class CapacitorCodeWindow : public ToolWindow {
public:
    static inline const QString& kForm = forms::kCapacitorCode;
    CapacitorCodeWindow();

private:
    void compute();
    void clear();
    // The tolerance and voltage fields and picture labels follow the lists.
    void showChoices();

    QLineEdit* code_;
    QList<QLineEdit*> values_; // `Text2` to `Text5`
    QComboBox* toleranceList_;
    QComboBox* voltageList_;
    QLineEdit* tolerance_;
    QLineEdit* voltage_;
    QLabel* codeLabel_;      // `Label11`
    QLabel* toleranceLabel_; // `Label12`
    QLabel* voltageLabel_;   // `Label17`
    QPushButton* toleranceCommand_;
};

} // namespace voltaris::gui
