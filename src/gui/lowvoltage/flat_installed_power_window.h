// "Daire Kurulu Gücü Hesaplama Bölümü": a flat's installed power from its lighting points, its
// sockets and its fixed appliances, and its demand power; it hands the installed power to the
// installed and demand power window that opened it.
#pragma once

#include "core/lowvoltage/flat_installed_power.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

class QLineEdit;
class QPushButton;

namespace voltaris::gui {

class FlatInstalledPowerWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kFlatInstalledPower;
    FlatInstalledPowerWindow();

private:
    void compute();
    void transfer();
    void clear();

    QList<QLineEdit*> inputs_;    // Text1 points, Text2 sockets, Text3 appliances
    QList<QLineEdit*> results_;   // Text4 to Text8
    QPushButton* transfer_;       // Command2
    QPushButton* report_;         // Command5
    std::string reportedFormula_; // the slices of the last compute that finished
};

} // namespace voltaris::gui
