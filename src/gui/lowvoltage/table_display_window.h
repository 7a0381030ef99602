// "Görünteleme Ekranı": the reference tables that other windows show beside themselves, each
// opener with a caption of its own and only its own table in sight: `Picture1` the reflection
// and transmission factors of surfaces (lighting), `Picture2` the resistivity of soils
// (earthing), `Picture3` the derating factors, starting methods and ratings of generating sets
// (three-phase generator). Every table names its source under it.
#pragma once

#include "gui/forms.h"
#include "gui/tool_window.h"

namespace voltaris::gui {

class TableDisplayWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kTableDisplay;
    TableDisplayWindow();

    // The opener's caption and tables; the window then takes the size of what it shows.
    void adjust(const Adjustments& adjustments) override;
};

} // namespace voltaris::gui
