// The windows that read a part's value from colour bands chosen in lists: the 4-, 5- and 6-band
// resistor windows and the coil window. Top to bottom: one list per band (`Combo1` ...), the
// part's picture with a swatch (`Shape1` ...) on each band, the value with its minimum and
// maximum in three units, the tolerance, then "Hesapla", "Temizle" and "Ana Menüye Dön".
#pragma once

#include "core/codes/resistor_colour_code.h"
#include "gui/codes/code_widgets.h"
#include "gui/pictures.h"
#include "gui/tool_window.h"

#include <array>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace voltaris::gui {

class FieldGrid;
class Swatch;

struct BandReaderSetup {
    QString form;
    QString title;
    const std::vector<codes::ResistorBandList>* lists;
    Component part;
    QString valueLabel;         // "Direnç Değeri", "Bobin Değeri"
    std::array<Unit, 3> units;  // the base unit, a thousand of it, a million of it
    QString toleranceFieldName; // "Text1", or "Text2" on the 6-band window
};

class BandReaderWindow : public ToolWindow {
public:
    explicit BandReaderWindow(const BandReaderSetup& setup);

protected:
    // "Hesapla" and "Temizle".
    virtual void compute() = 0;
    virtual void clear();

    // The chosen entry of every band list, in band order (-1 where none is chosen).
    std::vector<int> chosenEntries() const;
    // Writes a reading: the swatches, the nine value fields and the tolerance field.
    void showReading(const std::vector<codes::SwatchUpdate>& swatches,
                     const std::array<const codes::RangeTexts*, 3>& values,
                     const std::string& toleranceText);

    // Rows under the tolerance field, and room above the button row, for a window's own fields.
    FieldGrid* detailRows() const { return details_; }
    QVBoxLayout* extraSpace() const { return extras_; }

private:
    QList<QComboBox*> lists_;
    QList<Swatch*> swatches_;
    std::array<QList<QLineEdit*>, 3> values_; // per unit: nominal, minimum, maximum
    QLineEdit* tolerance_;
    FieldGrid* details_;
    QVBoxLayout* extras_;
};

} // namespace voltaris::gui
