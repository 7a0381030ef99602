// "Trifaze Jeneratör Hesaplama" (`Form34`): see core/lowvoltage/generator.h. Three pages: the
// set's size for a load, its rated current, its active power and fuel; the factor tables open
// in the table display window beside it.
#pragma once

#include "core/lowvoltage/generator.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLineEdit;
class QMenuBar;
class QTabWidget;
class QWidget;

namespace voltaris::gui {

class GeneratorWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kGenerator;
    GeneratorWindow();

private:
    void buildMenus(QMenuBar* menuBar);
    QWidget* sizingPage();
    QWidget* currentPage();
    QWidget* fuelPage();
    void computeSize();
    void computeCurrent();
    void computeFuel();
    void clearSizing();

    QTabWidget* tabs_;
    // Sizing: Text1, Text2 and the results Text3, Text4, Text5, Text12 to Text15.
    QLineEdit *load_, *motor_, *apparent_, *starting_, *onSite_, *factor_, *rating_, *setSize_,
        *setActive_;
    QComboBox *cosPhi_, *method_, *startingCurrent_, *altitude_, *temperature_;
    // Rated current: Text10 -> Text11.
    QLineEdit *currentRating_, *current_;
    QComboBox* voltage_;
    // Fuel: Text6 -> Text7, Text8, Text9, Text16.
    QLineEdit *fuelRating_, *active_, *drawn_, *hourly_, *daily_;
    QComboBox *fuelCosPhi_, *loadLevel_, *consumption_;
};

} // namespace voltaris::gui
