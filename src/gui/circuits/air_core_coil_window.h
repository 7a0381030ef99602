// "Hava Nüveli Bobin Hesaplama": the inductance of single-layer and multi-layer air-core coils,
// each on its own tab, with the largest wire diameter that fits.
#pragma once

#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace voltaris::gui {

class AirCoreCoilWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kAirCoreCoil;
    AirCoreCoilWindow();

private:
    QWidget* buildSingleLayerPage();
    QWidget* buildMultiLayerPage();
    void computeSingleLayer();
    void computeMultiLayer();
    void clear();

    // Single layer.
    QLineEdit* singleRadius_;
    QLineEdit* singleLength_;
    QLineEdit* singleTurns_;
    QComboBox* ratio_; // the Nagaoka list, `Combo1`
    QLineEdit* nagaoka_;
    QLineEdit* singleWire_;
    QLineEdit* empirical_;
    // Multi layer.
    QLineEdit* multiRadius_;
    QLineEdit* multiLength_;
    QLineEdit* depth_;
    QLineEdit* multiTurns_;
    QLineEdit* multiInductance_;
    QLineEdit* multiWire_;
};

} // namespace voltaris::gui
