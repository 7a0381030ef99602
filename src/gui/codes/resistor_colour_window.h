// The 4-band (`Form5`), 5-band (`Form7`) and 6-band (`Form26`) resistor colour code windows: the
// bands chosen in lists give the resistance, its tolerance range and (6 bands) the temperature
// coefficient, with the resistance at a temperature the user types.
#pragma once

#include "gui/codes/band_reader_window.h"

#include <optional>

namespace voltaris::gui {

class OptionGroup;

class ResistorColourWindow : public BandReaderWindow {
public:
    explicit ResistorColourWindow(codes::ResistorBandCount bands);

private:
    void compute() override;
    void clear() override;
    void resistanceAtTemperature();

    codes::ResistorBandCount bands_;
    std::optional<codes::ResistorColourReading> kept_; // the bands of the last "Hesapla"
    // 6 bands only.
    QLineEdit* coefficient_ = nullptr;
    QPushButton* temperature_ = nullptr;
    OptionGroup* bases_ = nullptr; // `Option1` to `Option3`
};

} // namespace voltaris::gui
