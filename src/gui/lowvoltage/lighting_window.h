// "Aydınlatma Hesaplama": the lamps a room needs by the utilisation-factor method, and the
// illuminance they give.
#pragma once

#include "core/lowvoltage/lighting.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace voltaris::gui {

class LightingWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kLighting;
    LightingWindow();

private:
    void compute();
    void clear();
    lighting::Inputs inputs() const;
    lighting::Results shown() const;

    QList<QLineEdit*> inputFields_; // Text1 to Text7
    QLineEdit* planeHeight_;        // Text4
    QLineEdit* soiling_;            // Text5
    QList<QComboBox*> reflections_; // Combo1 ceiling, Combo2 walls, Combo3 floor
    QLineEdit* lamps_;              // Text8
    QLineEdit* reached_;            // Text9
    QPushButton* report_;
    lighting::Kept kept_; // lives as long as the window: "Temizle" leaves it
};

} // namespace voltaris::gui
