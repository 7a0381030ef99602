// The reference tables of the table display window ("Görünteleme Ekranı"), which the lighting
// and the earthing windows open: the reflection and transmission factors of surfaces with the
// reflectances recommended for a room's surfaces, and the resistivity of soils. Each table names
// its published source.
#pragma once

#include <string_view>
#include <vector>

namespace voltaris::reference_tables {

struct Table {
    std::string_view title;
    std::vector<std::string_view> headers; // with their units
    std::vector<std::vector<std::string_view>> rows;
    std::string_view source; // the line naming where the values come from
};

// Reflection and transmission factors of materials, in per cent, grouped by the kind of
// reflection.
const Table& ReflectionFactors();
// The reflectance ranges recommended for a room's ceiling, walls, floor and furniture.
const Table& RoomSurfaces();
// The resistivity of soil types and rocks, in Ω·m.
const Table& SoilResistivity();

} // namespace voltaris::reference_tables
