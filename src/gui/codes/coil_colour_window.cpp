#include "gui/codes/coil_colour_window.h"

#include "core/codes/coil_colour_code.h"

namespace voltaris::gui {

CoilColourWindow::CoilColourWindow()
    : BandReaderWindow({kForm,
                        qs(codes::kCoilWindowTitle),
                        &codes::CoilBandLists(),
                        Component::Coil,
                        QStringLiteral("Bobin Değeri"),
                        {Unit{QStringLiteral("µH"), QStringLiteral("Mikro Henry")},
                         Unit{QStringLiteral("mH"), QStringLiteral("Mili Henry")},
                         Unit{QStringLiteral("H"), QStringLiteral("Henry")}},
                        QStringLiteral("Text1")}) {}

void CoilColourWindow::compute() {
    const codes::CoilColourResult result = codes::ReadCoilColours(chosenEntries());
    if (result.warning) {
        ShowMessage(this, *result.warning);
        return;
    }
    showReading(result.swatches, {&result.microHenry, &result.milliHenry, &result.henry},
                result.toleranceText);
}

} // namespace voltaris::gui
