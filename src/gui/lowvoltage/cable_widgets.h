// What the two cable windows (the voltage drop of a cable line and the cross-section of a line)
// share on screen: the load, supply and conductor choices with their handlers, the rows of the
// line's voltage, load, length, conductivity, power factor and parallel cables with their note
// buttons, the menus they have in common, and the verdict labels; and the lists with a unit of
// the short-circuit windows.
#pragma once

#include "core/lowvoltage/cable_line.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QWidget;

namespace voltaris::gui {

class FieldGrid;
class OptionGroup;

class CableLineControls : public QObject {
public:
    // The choice groups and the controls of the rows, made for `window` (its boxes' parent).
    explicit CableLineControls(QWidget* window);

    // "Hesaplama Seçeneği" (`Option1`, `Option2`), "Gerilim Seçeneği" (`Option3` … `Option6`,
    // `Option10`) and "İletken Cinsi" (`Option7` … `Option9`).
    OptionGroup* loads;
    OptionGroup* supplies;
    OptionGroup* conductors;

    QLineEdit* voltage;      // Text7
    QLineEdit* load;         // Text4, captioned by `Label8`
    QLineEdit* length;       // Text1
    QLineEdit* conductivity; // Text2
    QComboBox* cosPhi;       // Combo1
    QComboBox* parallel;     // `parallelName` of the constructor's window

    cable_line::Load chosenLoad() const;
    cable_line::Supply chosenSupply() const;
    cable_line::Conductor chosenConductor() const;

    // The rows of the voltage, the load, the length and the conductivity (with
    // "Özİletkenlik Sabitleri", `Command7`).
    void addLineRows(FieldGrid* grid);
    // "Cosinüs Seçiniz" with its "Not" (`Command6`); hidden on DC.
    void addPowerFactorRow(FieldGrid* grid);
    // "Parelel Kablo Sayısını Seçiniz" (`name`), "Adet", with its "Not" (`Command11`).
    void addParallelRow(FieldGrid* grid, const QString& name);

    // The menus both windows have: the quantity conversions (`mn_güç`, `mn_gerilim`, `mn_akım`),
    // the unit conversions (`mn_uzunluk`, `mn_alan`) and "Ek Hesaplamalar", whose items `mn_Cos`
    // (hidden on DC), `mn_HPtoKW` and `Mn_GUCC` come after what `addOwnItems` puts first; the
    // window's further items follow in the menu returned.
    QMenu* addMenus(QMenuBar* menuBar, const std::function<void(QMenu*)>& addOwnItems = {});

    // Opening and "Temizle": "Gücü Biliyorum", 380 V three-phase and copper, with their handlers.
    void chooseDefaults();

private:
    void applyLoad();
    void applySupply();
    void applyConductor();

    QWidget* window_;
    QLabel* loadCaption_ = nullptr;
    QLabel* loadUnit_ = nullptr;
    QList<QWidget*> powerFactorControls_;
    QAction* cosInfo_ = nullptr;
};

// The unit column of a row that has a control beside its unit (a "Not" button, a verdict): the
// unit, then `control`; such controls line up from row to row.
QWidget* besideField(const QString& unit, QWidget* control);

// Shows `label` with a verdict's text in its colour (green suits, red does not), and colours
// `field` to match when given.
void showVerdict(QLabel* label, const cable_line::VerdictText& verdict, QLineEdit* field = nullptr);

// A row of `grid` with a list of `entries` and the unit `unit`, the first entry chosen.
QComboBox* addUnitList(FieldGrid* grid, const QString& name, const QString& label,
                       const QStringList& entries, const QString& unit);

// A row of `grid` with the cable sections "1.5" to "400" (those of the copper ratings) and the
// unit "mm²", the first entry chosen.
QComboBox* addSectionList(FieldGrid* grid, const QString& name, const QString& label);

} // namespace voltaris::gui
