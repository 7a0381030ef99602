// The capacitor colour code window (`Form18`): the bands of a polyester, ceramic, disc ceramic or
// tantalum capacitor chosen in lists give its capacitance in four units, its tolerance, rated
// voltage and temperature coefficient; two commands show the tolerance range and the capacitance
// at a temperature the user types.
#pragma once

#include "core/codes/capacitor_colour_code.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace voltaris::gui {

class ComponentPicture;
class OptionGroup;
class Swatch;

class CapacitorColourWindow : public ToolWindow {
public:
    static inline const QString& kForm = forms::kCapacitorColour;
    CapacitorColourWindow();

private:
    void chooseKind(codes::CapacitorKind kind);
    void chooseBands(codes::CapacitorBandCount bands);
    // The rules of the band count for the kind, applied after every choice and reading and on
    // the window's periodic refresh.
    void applyBandCountRules();
    void apply(const codes::CapacitorColourControls& controls);
    void showPicture();
    void compute();
    void capacitanceAtTemperature();
    void clear();
    std::vector<int> chosenEntries() const;

    codes::CapacitorKind kind_ = codes::CapacitorKind::Polyester;
    codes::CapacitorBandCount bands_ = codes::CapacitorBandCount::Four;
    std::array<QComboBox*, codes::kCapacitorColourListCount> lists_{}; // `Combo1` to `Combo8`
    std::array<QLineEdit*, 8> text_{};                                 // text_[n] is `TextN`
    OptionGroup* bandGroup_;
    QRadioButton* fourBands_;
    QRadioButton* fiveBands_;
    QPushButton* toleranceCommand_;
    QPushButton* temperatureCommand_;
    ComponentPicture* picture_;
    std::array<Swatch*, 5> swatches_{};
};

} // namespace voltaris::gui
