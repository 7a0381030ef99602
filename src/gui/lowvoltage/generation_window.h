// "Elektrik Üretim Hesaplamaları" (`Form47`): see core/lowvoltage/generation.h.
#pragma once

#include "core/lowvoltage/generation.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QWidget;

namespace voltaris::gui {

class OptionGroup;

class GenerationWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kGeneration;
    GenerationWindow();

private:
    void buildMenus(QMenuBar* menuBar);
    QWidget* windPage();
    QWidget* hydroPage();
    void showDirection(int direction);
    generation::WindInputs windInputs() const;
    generation::HydroInputs hydroInputs() const;
    void computeWind();
    void computeHydro();

    OptionGroup* direction_;
    QLabel *givenCaption_, *givenUnit_, *resultCaption_, *resultUnit_;
    QLineEdit *given_, *windResult_, *head_, *flow_, *hydroResult_;
    QComboBox *speed_, *windEfficiency_, *hydroEfficiency_;
    QPushButton *windReport_, *hydroReport_;
    generation::WindResult kept_;
};

} // namespace voltaris::gui
