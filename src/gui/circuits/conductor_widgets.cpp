#include "gui/circuits/conductor_widgets.h"

#include "core/circuits/conductor_materials.h"
#include "gui/fields.h"
#include "gui/text.h"

#include <QComboBox>

namespace voltaris::gui {

QComboBox* addMaterialList(FieldGrid& grid, const QString& name, int initialIndex) {
    QStringList names;
    for (const conductor_materials::Material& material : conductor_materials::Materials())
        names << qs(material.name);
    QComboBox* list =
        grid.addList(name, QStringLiteral("İletkenin Cinsini Seçiniz"), names, initialIndex);
    list->setMaxVisibleItems(static_cast<int>(names.size()));
    return list;
}

} // namespace voltaris::gui
