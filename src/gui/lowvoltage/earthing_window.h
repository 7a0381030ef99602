// "Topraklama Hesaplama Bölümü": six tabs of earthing calculations sharing the soil
// resistivity: a foundation earth with rods judged against the protection limits, rods, the
// earthing conductor's section, polygonal areas, a buried conductor and a mesh.
#pragma once

#include "core/lowvoltage/earthing.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace voltaris::gui {

class FieldGrid;
class OptionGroup;

class EarthingWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kEarthing;
    EarthingWindow();

private:
    void buildMenus(QVBoxLayout* layout);
    QWidget* buildFoundationPage();
    QWidget* buildRodsPage();
    QWidget* buildSectionPage();
    QWidget* buildPolygonPage();
    QWidget* buildBuriedPage();
    QWidget* buildMeshPage();
    void showDiameterChoice();
    void computeFoundation();
    void clear();

    QLineEdit* resistivity_;                 // Text3, shared by every tab
    std::array<QPushButton*, 6> computes_{}; // each tab's "Hesapla", in tab order

    // Tab 0: the foundation earth with rods.
    QLineEdit* area_;                                    // Text21
    QLineEdit* stripLength_;                             // Text22
    QLineEdit* rodCount_;                                // Text23
    QLineEdit* rodLength_;                               // Text24
    QLineEdit* total_;                                   // Text25
    QComboBox* ratedCurrent_;                            // Combo2
    QLineEdit* tripMultiple_;                            // Text26
    std::array<QLineEdit*, earthing::kLimits> limits_{}; // Text27 to Text30
    std::array<QLabel*, earthing::kLimits> verdicts_{};  // Label58, Label60, Label61, Label62

    // Tab 4: the buried conductor.
    OptionGroup* conductor_; // Option1 strip, Option2 round
    OptionGroup* diameter_;  // Option3 from the list, Option4 entered
    FieldGrid* buriedGrid_;
    QComboBox* size_;                 // Combo1
    QLineEdit* enteredDiameter_;      // Text32
    QList<QWidget*> enteredControls_; // Label69, Text32, Label70, its picture, Command11
};

} // namespace voltaris::gui
