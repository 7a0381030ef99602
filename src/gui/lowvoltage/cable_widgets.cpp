#include "gui/lowvoltage/cable_widgets.h"

#include "core/lowvoltage/cable_sections.h"
#include "gui/fields.h"
#include "gui/text.h"

#include <QComboBox>

namespace voltaris::gui {

QComboBox* addUnitList(FieldGrid* grid, const QString& name, const QString& label,
                       const QStringList& entries, const QString& unit) {
    auto* list = new QComboBox;
    list->setObjectName(name);
    list->setAccessibleName(label);
    list->addItems(entries);
    grid->addRow(label, list, makeUnitLabel(unit));
    return list;
}

QComboBox* addSectionList(FieldGrid* grid, const QString& name, const QString& label) {
    return addUnitList(grid, name, label, qs(cable_sections::kSections), QStringLiteral("mm²"));
}

} // namespace voltaris::gui
