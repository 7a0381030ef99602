// "AWG Metrik Dönüşüm": the metric equivalents of the AWG and MCM sizes with their Canadian code
// names, shown as a size is chosen, and the menu's free size conversions.
#pragma once

#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace voltaris::gui {

class AwgWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kAwg;
    AwgWindow();

private:
    void buildMenus();
    void refresh();

    QComboBox* size_;
    QLineEdit* section_;
    QLineEdit* diameter_;
    QLineEdit* inches_;
    QLabel* steelNames_;
    QLabel* aluminiumNames_;
};

} // namespace voltaris::gui
