// "Kablo Akım Taşıma Düzeltme Faktörleri Bölümü": a cable's tabulated current rating times the
// correction factors of IEC 60364-5-52:2009 annex B for the temperature, the grouping and the
// soil where it is laid, with the standard's tables beside the choices. Opened as a tool from the
// cable tools' menu, and beside the cable windows as their companion.
#pragma once

#include "core/lowvoltage/rating_correction.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

#include <array>
#include <cstddef>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace voltaris::gui {

class FieldGrid;
class OptionGroup;

class RatingCorrectionWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kRatingCorrection;
    RatingCorrectionWindow();

private:
    rating_correction::Choice choice() const;
    // Puts the lists of `choice` in place: their entries for its laying, its entries chosen.
    void showChoice(const rating_correction::Choice& choice);
    void chooseLaying();
    void chooseArrangement();
    // Marks the cell the choice picks in every table and brings forward the table of factor
    // `front` (0 temperature, 1 grouping, 2 soil).
    void showChosenCells(std::size_t front);
    void compute();
    void writeReport();
    void clear();
    rating_correction::Fields fieldTexts() const;

    OptionGroup* laying_;
    OptionGroup* insulation_;
    FieldGrid* grid_;
    QLabel* temperatureCaption_;
    QLineEdit* rating_;
    QComboBox* temperature_;
    QComboBox* arrangement_;
    QComboBox* clearance_;
    QComboBox* circuits_;
    QComboBox* resistivity_;
    QLineEdit* temperatureFactor_;
    QLineEdit* groupingFactor_;
    QLineEdit* resistivityFactor_;
    QLineEdit* totalFactor_;
    QLineEdit* corrected_;
    QTabWidget* tabs_;
    std::array<QTableWidget*, rating_correction::kTableCount> tables_{};
    QPushButton* report_;
    // The choice of the last compute that finished: the report follows it.
    rating_correction::Choice computed_;
};

} // namespace voltaris::gui
