#include "core/conversions/unit_conversion.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace voltaris::unit_conversion {
namespace {

std::vector<std::string> Results(Tab tab, std::size_t unit, std::string_view input) {
    const auto texts = Convert(tab, unit, input);
    EXPECT_TRUE(texts.has_value());
    return texts ? texts->results : std::vector<std::string>{};
}

// Every factor of a tab must agree with every path through a third unit (A to B to C against A
// to C, C = A included) as closely as the tab's own factors agree with each other; a mistyped
// digit or exponent breaks many of these products.
void ExpectConsistentFactors(Tab tab, double tolerance) {
    const std::size_t n = Units(tab).size();
    std::vector<std::vector<double>> factor(n);
    for (std::size_t from = 0; from < n; ++from)
        for (const std::string& text : Results(tab, from, "1"))
            factor[from].push_back(ReadNumber(text));
    for (std::size_t a = 0; a < n; ++a)
        for (std::size_t b = 0; b < n; ++b)
            for (std::size_t c = 0; c < n; ++c)
                EXPECT_NEAR(factor[a][b] * factor[b][c] / factor[a][c], 1, tolerance)
                    << "units " << a << ", " << b << ", " << c;
}

TEST(UnitConversion, FactorTablesAreConsistent) {
    ExpectConsistentFactors(Tab::Length, 4e-6);
    ExpectConsistentFactors(Tab::Area, 1.3e-5);
    ExpectConsistentFactors(Tab::Volume, 8e-7);
    ExpectConsistentFactors(Tab::Mass, 1e-12);
    ExpectConsistentFactors(Tab::Energy, 4e-7);
}

TEST(UnitConversion, MagneticFactorsAreInverse) {
    for (const Tab tab : {Tab::MagneticFlux, Tab::MagneticFluxDensity}) {
        const double forward = ReadNumber(Results(tab, 0, "1").at(0));
        const double back = ReadNumber(Results(tab, 1, "1").at(0));
        EXPECT_NEAR(forward * back, 1, 1e-12);
    }
    EXPECT_EQ(Results(Tab::MagneticFlux, 0, "1"), std::vector<std::string>{"100000000"});
    EXPECT_EQ(Results(Tab::MagneticFluxDensity, 1, "5"), std::vector<std::string>{"0.0005"});
}

TEST(UnitConversion, OneMetreInEveryLengthUnit) {
    EXPECT_EQ(
        Results(Tab::Length, 4, "1"),
        (std::vector<std::string>{"1000000000", "1000000", "1000", "100", "1", "0.1", "0.01",
                                  "0.001", "39.36996", "3.28083", "1.09361", "0.0006213712"}));
    EXPECT_EQ(Results(Tab::Length, 7, "1").at(8), "39369.96");
}

TEST(UnitConversion, SampleVolumeAndEnergyConversions) {
    EXPECT_EQ(Results(Tab::Volume, 9, "1").at(7), "2"); // quart to pints
    const auto kwh = Results(Tab::Energy, 1, "1");
    EXPECT_EQ(kwh.at(4), "3600000");
    EXPECT_EQ(kwh.at(5), "859845.2");
}

TEST(UnitConversion, ChosenUnitKeepsTheTypedTextAndNamesTheUnit) {
    const auto texts = Convert(Tab::Energy, 0, "2.50");
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(texts->selectedUnit, " Watt/Saat");
    EXPECT_EQ(texts->results.at(0), "2.50");
    EXPECT_EQ(texts->results.at(1), "0.0025");

    const auto inch = Convert(Tab::Length, 8, ".5");
    ASSERT_TRUE(inch.has_value());
    EXPECT_EQ(inch->selectedUnit, "İnch(in)-İnç ( \" )");
    EXPECT_EQ(inch->results.at(8), ".5");
    EXPECT_EQ(inch->results.at(3), "1.27");
}

TEST(UnitConversion, InputWithoutNumberChangesNothing) {
    EXPECT_FALSE(Convert(Tab::Length, 0, "").has_value());
    EXPECT_FALSE(Convert(Tab::Area, 2, ".").has_value());
    EXPECT_FALSE(Convert(Tab::Mass, 5, "1").has_value()); // no sixth mass unit
}

TEST(UnitConversion, MagneticLabelsSwapTheUnitNames) {
    const auto swapped = [](std::string text, std::string_view a, std::string_view b) {
        const auto at = text.find(a);
        EXPECT_NE(at, std::string::npos) << text;
        return at == std::string::npos ? text : text.replace(at, a.size(), b);
    };
    const auto flux = Units(Tab::MagneticFlux);
    EXPECT_EQ(flux[1].inputLabel, swapped(std::string(flux[0].inputLabel), "Weber", "Maxwell"));
    EXPECT_EQ(flux[1].resultLabel, swapped(std::string(flux[0].resultLabel), "Maxwell", "Weber"));
    const auto density = Units(Tab::MagneticFluxDensity);
    EXPECT_EQ(density[1].inputLabel, swapped(std::string(density[0].inputLabel), "Tesla", "Gauss"));
    EXPECT_EQ(density[1].resultLabel,
              swapped(std::string(density[0].resultLabel), "Gauss", "Tesla"));
    EXPECT_TRUE(Units(Tab::Length)[0].inputLabel.empty());
}

TEST(CoordinateDistance, Messages) {
    EXPECT_EQ(CoordinateDistanceMessage(0, 0, 3, 4), "İki Koordinat Arası Mesafe 5 m'dir.");
    // The second point's coordinates must not be taken for the first's.
    EXPECT_EQ(CoordinateDistanceMessage(1.5, 2, -1.5, 6), "İki Koordinat Arası Mesafe 5 m'dir.");
    EXPECT_EQ(CoordinateDistanceMessage(0, 0, 1, 1),
              "İki Koordinat Arası Mesafe 1.4142135623731 m'dir.");
    EXPECT_THROW(CoordinateDistanceMessage(-1e300, 0, 1e300, 0), ComputeFailure);
}

} // namespace
} // namespace voltaris::unit_conversion
