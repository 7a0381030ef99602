// What the two power-factor correction windows share on screen: the present and the wanted power
// factor lists with their cos φ and cos θ pictures, the menu that shows the cosine information of
// either, and rows with named labels.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QWidget;

namespace voltaris::gui {

class FieldGrid;

struct PowerFactorLists {
    QComboBox* present; // `Combo1`, cos φ
    QComboBox* wanted;  // `Combo2`, cos θ, "0.99" at opening
};

// The rows "Mevcut Güç Katsayısı" (entry `presentInitial` chosen) and "Olması İstenen Güç
// Katsayısı", each with its picture (`Picture1` "Cosinüs Fi", `Picture2` "Cosinüs Teta").
PowerFactorLists addPowerFactorLists(FieldGrid* grid, int presentInitial);

// The menu "Elektrik ve Elektronik Kavramlar Arası Dönüşümü Aç": per item its name and the
// quantity it converts ("Güç" gives "Güç As ve Üs Katları Arası Dönüşümü Aç"), in menu order.
// The openings table opens their pages.
struct ConversionItem {
    QString name;
    QString quantity;
};
void addConversionMenu(QMenuBar* menuBar, const QList<ConversionItem>& items);

// The submenu "Cosinüs Değeri İle İlgili Bilgiler": `Mn_CFİ` and `Mn_CTETA` show the cosine
// information of the present and of the wanted power factor.
void addCosineInfoMenu(QMenu* menu, QWidget* window, const PowerFactorLists& lists);

// The gap between the inputs and the results of one grid, whose labels share a column.
void addResultsGap(QGridLayout* grid);

// Sizes the grid's columns once its rows are in: the caption column as wide as its widest
// caption, hidden rows and `otherCaptions` (a caption's other text) included, so that the window
// does not change width as rows show and hide; the field column wide enough for a long number.
void fixColumnWidths(QGridLayout* grid, const QStringList& otherCaptions = {});

// A row of `field` whose caption and unit label the window changes or hides, both named (an
// empty name leaves a label unnamed).
struct NamedRow {
    QLabel* caption;
    QLabel* unit;
};
NamedRow addNamedRow(FieldGrid* grid, QLineEdit* field, const QString& captionName,
                     const QString& caption, const QString& unitName, const QString& unit);

} // namespace voltaris::gui
