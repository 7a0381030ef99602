// "Kablolar İçin Koruyucu Boru Çapı Seçimi/Hesaplama Bölümü": the PVC conduit for single-core NYA
// conductors from the window's table, and the conduit for cables of given outer diameters.
#pragma once

#include "core/lowvoltage/conduit.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

#include <array>

class QComboBox;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QRadioButton;
class QTableWidget;

namespace voltaris::gui {

class OptionGroup;

class ConduitWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kConduit;
    ConduitWindow();

private:
    void buildMenus(QMenuBar* menuBar);
    QWidget* buildTablePage();
    QWidget* buildCalculationPage();
    void showTableRow();
    void compute();
    void clear();
    void lockCableKinds(bool locked);

    QComboBox* section_;
    std::array<QLineEdit*, 4> tableDiameters_;
    QTableWidget* table_;
    OptionGroup* cableKind_;
    QLineEdit* diameter_;
    QListWidget* cables_;
    QLineEdit* inches_;
    QLineEdit* centimetres_;
    double sumOfSquares_ = 0;
};

} // namespace voltaris::gui
