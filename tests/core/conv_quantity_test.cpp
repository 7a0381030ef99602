#include "core/conversions/quantity_conversion.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace voltaris::quantity_conversion {
namespace {

using Texts = std::vector<std::string>;

Texts Results(Tab tab, std::size_t unit, std::string_view input,
              PowerKind kind = PowerKind::Active) {
    const auto texts = Convert(tab, unit, input, kind);
    EXPECT_TRUE(texts.has_value());
    return texts ? texts->results : Texts{};
}

TEST(QuantityConversion, WorkedExamples) {
    // 4.7 kΩ in µΩ, mΩ, Ω, kΩ, MΩ.
    EXPECT_EQ(Results(Tab::Resistance, 3, "4.7"),
              (Texts{"4700000000", "4700000", "4700", "4.7", "0.0047"}));
    // 100 nF in F, µF, nF, pF.
    EXPECT_EQ(Results(Tab::Capacitance, 2, "100"), (Texts{"0.0000001", "0.1", "100", "100000"}));
}

TEST(QuantityConversion, EveryPrefixOfEveryTab) {
    EXPECT_EQ(Results(Tab::Resistance, 0, "1"),
              (Texts{"1", "0.001", "0.000001", "0.000000001", "0.000000000001"}));
    EXPECT_EQ(Results(Tab::Capacitance, 3, "1"),
              (Texts{"0.000000000001", "0.000001", "0.001", "1"}));
    EXPECT_EQ(Results(Tab::Inductance, 0, "1"), (Texts{"1", "1000", "1000000"}));
    EXPECT_EQ(Results(Tab::Current, 0, "1"), (Texts{"1", "1000", "1000000", "1000000000"}));
    EXPECT_EQ(Results(Tab::Voltage, 2, "1"), (Texts{"0.000001", "0.001", "1"}));
    EXPECT_EQ(Results(Tab::Power, 0, "1"), (Texts{"1", "1000", "1000000", "1000000000"}));
}

TEST(QuantityConversion, ChosenUnitAtOpeningAndItsLabel) {
    const std::vector<std::pair<Tab, std::string_view>> initial = {
        {Tab::Resistance, "OHM"},        {Tab::Capacitance, "MİKRO FARAD"},
        {Tab::Inductance, "MİLİ HENRİ"}, {Tab::Current, "AMPER"},
        {Tab::Voltage, "VOLT"},          {Tab::Power, "WATT"}};
    for (const auto& [tab, caption] : initial) {
        const TabUnits units = Units(tab);
        const auto texts = Convert(tab, units.initialUnit, "2.0");
        ASSERT_TRUE(texts.has_value());
        EXPECT_EQ(texts->selectedUnit, caption);
        EXPECT_EQ(texts->results.at(units.initialUnit), "2.0");
    }
}

TEST(QuantityConversion, PowerKindRenamesOnly) {
    const auto watt = Convert(Tab::Power, 1, "2.5", PowerKind::Active);
    const auto va = Convert(Tab::Power, 1, "2.5", PowerKind::Apparent);
    const auto var = Convert(Tab::Power, 1, "2.5", PowerKind::Reactive);
    ASSERT_TRUE(watt && va && var);
    EXPECT_EQ(watt->selectedUnit, "KİLO WATT");
    EXPECT_EQ(va->selectedUnit, "KİLO VOLT-AMPER");
    EXPECT_EQ(var->selectedUnit, "KİLO VOLT-AMPER-REAKTİF");
    EXPECT_EQ(va->results, watt->results);
    EXPECT_EQ(var->results, watt->results);

    const auto units = Units(Tab::Power, PowerKind::Apparent).units;
    EXPECT_EQ(units.front().caption, "MEGA VOLT-AMPER");
    EXPECT_EQ(units.back().caption, "MİLİ VOLT-AMPER");
    EXPECT_EQ(PowerKindOptions()[1].caption, "Volt-Amper(VA)");
}

TEST(QuantityConversion, InputWithoutNumberChangesNothing) {
    EXPECT_FALSE(Convert(Tab::Voltage, 1, "").has_value());
    EXPECT_FALSE(Convert(Tab::Voltage, 1, ".").has_value());
}

} // namespace
} // namespace voltaris::quantity_conversion
