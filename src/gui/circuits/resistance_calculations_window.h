// "Direnç İle ilgili Hesaplama Programı": the Wheatstone bridge (the fourth resistor of a balanced
// bridge, or the potential difference across an unbalanced one) and the voltage divider.
#pragma once

#include "gui/forms.h"
#include "gui/tool_window.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace voltaris::gui {

class CircuitDiagram;
class FieldGrid;
class OptionGroup;

class ResistanceCalculationsWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kResistanceCalculations;
    ResistanceCalculationsWindow();

private:
    QWidget* buildBridgePage(QPushButton*& compute, QPushButton*& clear);
    QWidget* buildDividerPage(QPushButton*& compute, QPushButton*& clear);
    void showBridgeCase(int option);
    void computeBridge();
    void computeDivider();

    OptionGroup* bridgeCases_;
    CircuitDiagram* balancedPicture_;
    CircuitDiagram* voltagePointsPicture_;
    FieldGrid* bridgeGrid_;
    std::array<QLineEdit*, 11> text_{}; // text_[n] is the field `Text<n>`
    QLabel* resultLabel_;
    QLabel* resultUnit_; // the unit the result's tool tip names
};

} // namespace voltaris::gui
