// What the conductor windows share: the material list.
#pragma once

#include <QString>

class QComboBox;

namespace voltaris::gui {

class FieldGrid;

// "İletkenin Cinsini Seçiniz": the eighteen conductor materials, entry `initialIndex` chosen.
QComboBox* addMaterialList(FieldGrid& grid, const QString& name, int initialIndex);

} // namespace voltaris::gui
