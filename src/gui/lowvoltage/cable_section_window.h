// "Kablo ve İletken Kesit Hesaplama": the section that keeps a line's voltage drop within a
// limit, then the check of a standard cable or overhead conductor chosen from the tables (its
// capacity and heating verdict, its own voltage drop against the limit), the fuse of the line,
// and the report.
#pragma once

#include "core/lowvoltage/cable_section.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

#include <QList>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace voltaris::gui {

class CableLineControls;
class FieldGrid;
class OptionGroup;

class CableSectionWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kCableSection;
    CableSectionWindow();

private:
    void buildMenus();
    QWidget* buildFuseFrame();
    QWidget* buildTables();
    QTabWidget* makeTabs(const QString& name);
    // A page of `tabs`: the list `ComboN` (N = `list`) of the table's first column above the
    // table.
    QComboBox* addTablePage(QTabWidget* tabs, int list, const std::string& caption,
                            const QStringList& headers, const QList<QStringList>& rows);
    QTabWidget* cableTabs(const QString& name, cable_tables::Metal metal, int firstList);
    QTabWidget* overheadTabs();
    void showTables();
    cable_section::Inputs inputs() const;
    void compute();
    void checkSelection();
    void showSelection(const cable_section::Selection& selection, bool cable);
    void computeFuse();
    void clear();

    CableLineControls* line_;
    OptionGroup* lineKinds_; // Option11 cable, Option12 overhead line
    QLineEdit* limit_;       // Text3
    QLineEdit* section_;     // Text5
    QComboBox* fuseFactor_;  // Combo13
    FieldGrid* fuseGrid_;
    QList<QWidget*> fuseResults_; // the rows Command9 shows
    QLineEdit* lineCurrent_;      // Text8
    QLineEdit* cableCurrent_;     // Text9
    QLineEdit* fuseByCurrent_;    // Text10
    QLineEdit* fuseByFactor_;     // Text11
    QTabWidget* copper_;          // SSTab1
    QTabWidget* aluminium_;       // SSTab2
    QTabWidget* overhead_;        // SSTab3
    QLabel* sourceNote_;
    QList<QComboBox*> copperLists_;    // Combo2 … Combo5, by page
    QList<QComboBox*> aluminiumLists_; // Combo6 … Combo9
    QList<QComboBox*> overheadLists_;  // Combo15 … Combo17
    QLabel* size_;                     // Label1
    QLabel* earth_;                    // Label2
    QLabel* air_;                      // Label3
    QLabel* currentSentence_;          // Label4
    QLabel* earthVerdict_;             // Label5
    QLabel* dropVerdict_;              // Label6
    QLabel* airVerdict_;               // Label7
    QLabel* drop_;                     // Label9
    QPushButton* report_;              // Command10
    // The line of the last compute that finished, which the selection is checked for; the check
    // shows from `Timer1`'s next tick after it until "Temizle".
    std::optional<cable_section::Line> computed_;
    bool checking_ = false;
    bool revealPending_ = false; // a compute finished; `Timer1` has not ticked since
};

} // namespace voltaris::gui
