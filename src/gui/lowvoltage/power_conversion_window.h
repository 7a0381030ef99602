// "Güçlerin Bir Birine Çevirilmesi": one known power and cos φ give the other two powers; a
// horsepower value becomes a known active power. Opened from the menus, and beside the
// compensation windows as their companion.
#pragma once

#include "core/lowvoltage/power_conversion.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace voltaris::gui {

class OptionGroup;

class PowerConversionWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kPowerConversion;
    PowerConversionWindow();

private:
    power_conversion::Known known() const;
    void chooseKnown();
    void compute();
    void writeReport();
    void clear();
    power_conversion::Fields fieldTexts() const;

    OptionGroup* knownPower_;
    QLabel* caption_;
    QLabel* unit_;
    QLineEdit* given_;
    QComboBox* cosPhi_;
    QLineEdit* apparent_;
    QLineEdit* active_;
    QLineEdit* reactive_;
    QPushButton* report_;
};

} // namespace voltaris::gui
