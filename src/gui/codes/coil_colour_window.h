// The coil colour code window (`Form16`): four bands chosen in lists give the inductance in
// microhenry, millihenry and henry with its tolerance range.
#pragma once

#include "gui/codes/band_reader_window.h"
#include "gui/forms.h"

namespace voltaris::gui {

class CoilColourWindow : public BandReaderWindow {
public:
    static inline const QString& kForm = forms::kCoilColour;
    CoilColourWindow();

private:
    void compute() override;
};

} // namespace voltaris::gui
