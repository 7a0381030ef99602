// "Bara Hesaplama": a flat copper or aluminium busbar's section, weight, current rating, cost and
// resistance, with the weight and copper-aluminium calculations of its menus.
#pragma once

#include "core/lowvoltage/busbar.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLineEdit;
class QMenuBar;

namespace voltaris::gui {

class OptionGroup;

class BusbarWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kBusbar;
    BusbarWindow();

private:
    void buildMenus(QMenuBar* menuBar);
    busbar::Metal metal() const;
    // The chosen metal's sizes in the list, none of them chosen.
    void fillSizes();
    void compute();
    void clear();

    OptionGroup* metals_;
    OptionGroup* finishes_;
    OptionGroup* barCounts_;
    QComboBox* sizes_;
    QLineEdit* section_;
    QLineEdit* weight_;
    QLineEdit* rating_;
    QLineEdit* length_;
    QLineEdit* barWeight_;
    QLineEdit* price_;
    QLineEdit* barCost_;
    QLineEdit* totalWeight_;
    QLineEdit* totalCost_;
    QLineEdit* resistance_;
};

} // namespace voltaris::gui
