// What the cable windows share on screen: lists with a unit, the list of conductor sections.
#pragma once

#include <QString>
#include <QStringList>

class QComboBox;

namespace voltaris::gui {

class FieldGrid;

// A row of `grid` with a list of `entries` and the unit `unit`, the first entry chosen.
QComboBox* addUnitList(FieldGrid* grid, const QString& name, const QString& label,
                       const QStringList& entries, const QString& unit);

// A row of `grid` with the conductor sections "1.5" to "400" and the unit "mm²", the first
// entry chosen.
QComboBox* addSectionList(FieldGrid* grid, const QString& name, const QString& label);

} // namespace voltaris::gui
