// "LED'e Bağlanacak Seri Direncin Hesaplama": the series resistor of an LED and its power rating,
// from typed LED values or from the LED type list; with its report.
#pragma once

#include "core/circuits/led_resistor.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace voltaris::gui {

class OptionGroup;
class WindowTimer;

class LedResistorWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kLedResistor;
    LedResistorWindow();

private:
    void chooseSource(int option);
    void showListedType();
    void compute();
    void clear();
    led_resistor::Fields fieldTexts() const;

    OptionGroup* source_; // `Option1` typed values, `Option2` the LED type list
    QComboBox* ledTypes_;
    WindowTimer* listCopy_; // copies the listed type's values: runs only while it is chosen
    QLineEdit* supply_;
    QLineEdit* voltage_;
    QLineEdit* current_;
    QLineEdit* resistance_;
    QLineEdit* power_;
    QPushButton* note_;
    QPushButton* report_;
    double currentAmpere_ = 0; // the LED current of the last computation, for the report
};

} // namespace voltaris::gui
