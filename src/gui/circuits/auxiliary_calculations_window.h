// "Elektrikte Kullanılan Yardımcı Hesaplamalar": thirteen small calculations, a tab page each,
// chosen from a list of subjects beside the pages.
#pragma once

#include "core/outcome.h"
#include "gui/forms.h"
#include "gui/messages.h"
#include "gui/tool_window.h"

#include <array>
#include <functional>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace voltaris::gui {

class FieldGrid;

class AuxiliaryCalculationsWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kAuxiliaryCalculations;
    AuxiliaryCalculationsWindow();

private:
    struct PageButtons {
        QPushButton* compute;
        QPushButton* clear;
    };
    // Adds a page of `grid` with the formula line `formula` (and `source`, when given), its
    // compute button `Command<computeNumber>` running `compute` and its clear button
    // `Command<clearNumber>` clearing the page's fields.
    PageButtons addPage(const QString& caption, FieldGrid* grid, const QString& formula,
                        int computeNumber, int clearNumber, std::function<void()> compute,
                        const QString& source = {});
    // The fields `Text<number>` of the page being built, each a row of `grid`.
    void input(FieldGrid* grid, int number, const QString& label, const QString& unit);
    void result(FieldGrid* grid, int number, const QString& label, const QString& unit);
    // An input with its unit list `Combo<comboNumber>` (capacitance or inductance prefixes).
    void inputWithUnits(FieldGrid* grid, int number, const QString& label, int comboNumber,
                        bool capacitance);
    // The compute of a page with one result `Text<resultNumber>`: writes what `compute` gives
    // and warns with `message`, testing the fields `Text<n>` of `tested`, when it failed.
    std::function<void()> singleResult(int resultNumber, const QList<int>& tested,
                                       std::function<Outcome<std::string>()> compute,
                                       const QString& message = kEnterValues);
    void keep(int number, QLineEdit* field);
    std::string text(int number) const;
    void write(int number, const std::string& text);
    int unit(int comboNumber) const;

    QTabWidget* tabs_;
    std::array<QLineEdit*, 51> text_{};  // text_[n] is the field `Text<n>`
    std::array<QComboBox*, 11> combo_{}; // combo_[n] is the list `Combo<n>`
    QList<QLineEdit*> pageFields_;       // the fields of the page being built
};

} // namespace voltaris::gui
