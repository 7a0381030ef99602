// The coil colour code window (`Form16`): four bands chosen in lists give the inductance in
// microhenry, millihenry and henry with its tolerance range.
#pragma once

#include "gui/codes/band_reader_window.h"

namespace voltaris::gui {

class CoilColourWindow : public BandReaderWindow {
public:
    CoilColourWindow();

private:
    void compute() override;
};

} // namespace voltaris::gui
