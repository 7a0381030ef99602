// "Isıtıcı Rezıstans Hesaplama": a heater element's section, resistance, current, power and
// current density, with its small menu calculations and companion windows.
#pragma once

#include "core/circuits/heater.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

class QAction;
class QComboBox;
class QLineEdit;
class QMenuBar;

namespace voltaris::gui {

class HeaterWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kHeater;
    HeaterWindow();

private:
    void buildMenus(QMenuBar* menuBar);
    void compute();
    void clear();

    QLineEdit* length_;
    QLineEdit* diameter_;
    QComboBox* material_;
    QLineEdit* voltage_;
    QLineEdit* resistance_;
    QLineEdit* section_;
    QLineEdit* current_;
    QLineEdit* power_;
    QLineEdit* density_;
    QAction* energy_; // `mn_Jul`, enabled from the first "Hesapla" to the next "Temizle"
};

} // namespace voltaris::gui
