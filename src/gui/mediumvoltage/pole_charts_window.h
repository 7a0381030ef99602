// The pole information charts, captioned by their opener: `Frame1` the concrete poles (a type for
// every height and top load), `Frame2` the steel lattice poles. The section menu shows one frame
// as a tool; the pole calculation window shows the concrete chart beside itself.
#pragma once

#include "gui/forms.h"
#include "gui/tool_window.h"

namespace voltaris::gui {

class PoleChartsWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kPoleCharts;
    PoleChartsWindow();

    // The opener's caption and frame; the window then takes the size of what it shows.
    void adjust(const Adjustments& adjustments) override;
};

} // namespace voltaris::gui
