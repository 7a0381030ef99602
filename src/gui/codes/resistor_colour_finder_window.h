// The resistor colour code finding window (`Form6`): the bands of a value typed in ohm, shown on
// the resistor picture at every change of the value, for 4, 5 or 6 bands with the chosen
// tolerance and (6 bands) temperature coefficient.
#pragma once

#include "core/codes/resistor_colour_finder.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

#include <array>

class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace voltaris::gui {

class ComponentPicture;
class OptionGroup;
class Swatch;

class ResistorColourFinderWindow : public ToolWindow {
public:
    static inline const QString& kForm = forms::kResistorColourFinder;
    ResistorColourFinderWindow();

private:
    void valueChanged(const QString& text);
    void chooseBands(codes::FinderBandCount bands);
    void chooseTolerance(codes::FinderTolerance tolerance);
    void chooseCoefficient(codes::FinderCoefficient coefficient);

    codes::FinderBandCount bands_ = codes::FinderBandCount::Four;
    codes::FinderTolerance tolerance_ = codes::FinderTolerance::Percent5;
    QLineEdit* value_;
    QString accepted_;       // the value's last accepted text
    bool restoring_ = false; // putting `accepted_` back into the field
    ComponentPicture* picture_;
    std::array<Swatch*, 6> swatches_{};
    OptionGroup* tolerances_; // `Option1` to `Option5`
    QRadioButton* percent20_; // `Option5`
    QGroupBox* coefficients_;
};

} // namespace voltaris::gui
