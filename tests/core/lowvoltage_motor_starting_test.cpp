#include "core/lowvoltage/motor_starting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <string>

namespace voltaris::motor_starting {
namespace {

constexpr std::array kMakers = {Maker::Siemens, Maker::Hyundai, Maker::Moeller,
                                Maker::Telemecanique};
constexpr int kThirtyKw = 15;
constexpr int kHundredTenKw = 23;

// Rated currents of 4-pole 400 V motors by power index (Moeller Wiring Manual 02/05, "Rated
// motor currents"; 70 and 95 kW from the same formula with their neighbours' cos φ and
// efficiency), to check the catalogue against.
constexpr std::array<double, kPowerCount> kRatedCurrent = {
    0.8, 1.1, 1.5, 1.9, 2.6, 3.6, 5.0, 6.6, 8.5, 11.3, 15.2, 21.7, 29.3, 36,
    41,  55,  68,  81,  99,  125, 134, 161, 170, 196,  231,  279,  349,  437};

std::string text(Maker maker, int power, Result result) {
    return std::string(Lookup(maker, power)[result]);
}

// "12 A" -> 12.
double amps(const std::string& text) {
    return std::stod(text.substr(0, text.find(' ')));
}

// "6,3 - 10 A" -> {6.3, 10}.
std::pair<double, double> range(std::string text) {
    for (char& c : text)
        if (c == ',')
            c = '.';
    const auto dash = text.find(" - ");
    return {std::stod(text.substr(0, dash)), std::stod(text.substr(dash + 3))};
}

// The rows the users know from the old catalogue, kept as they were.
bool known(Maker maker, int power) {
    return (power == 0 && maker != Maker::Moeller) ||
           (maker == Maker::Telemecanique &&
            (power == 9 || power == kThirtyKw || power == kHundredTenKw));
}

TEST(MotorStartingList, PowersAndMakers) {
    const auto powers = Powers();
    ASSERT_EQ(powers.size(), 28u);
    EXPECT_EQ(powers[0], "0,25");
    EXPECT_EQ(powers[kFirstStarDelta], "5,5");
    EXPECT_EQ(powers[19], "70");
    EXPECT_EQ(powers[22], "95");
    EXPECT_EQ(powers[27], "250");
    // The frame's order, with the captions' trailing blanks.
    EXPECT_EQ(kMakerOptions[0].name, "Option3");
    EXPECT_EQ(kMakerOptions[0].caption, "SIEMENS ");
    EXPECT_EQ(kMakerOptions[1].caption, "HYUNDAI");
    EXPECT_EQ(kMakerOptions[2].caption, "MOELLER ");
    EXPECT_EQ(kMakerOptions[3].name, "Option4");
    EXPECT_EQ(kMakerOptions[3].caption, "TELEMEKANİK");
    EXPECT_EQ(kMakerOptions[3].maker, Maker::Telemecanique);
    EXPECT_THROW(Lookup(Maker::Siemens, kPowerCount), std::out_of_range);
}

TEST(MotorStartingLookup, TelemecaniqueRowsAsTheUsersKnowThem) {
    const Entry smallest = {"LC1-KO6", "6 A", "2 A", "0,6 - 1 A", "4x2,5"};
    EXPECT_EQ(Lookup(Maker::Telemecanique, 0), smallest);
    const Entry fiveAndAHalf = {"LC1-D12", "12 A", "25 A",     "10 - 16 A", "4x2,5",
                                "LC1-DO9", "9 A",  "LC1-DO9",  "9 A",       "LC1-DO9",
                                "9 A",     "20 A", "6 - 10 A", "4x2,5",     "2(3x2,5)"};
    EXPECT_EQ(Lookup(Maker::Telemecanique, 9), fiveAndAHalf);
    const Entry thirty = {"LC1-D65", "65 A", "80 A",      "57 - 63 A", "3x16+10",
                          "LC1-D38", "38 A", "LC1-D38",   "38 A",      "LC1-D25",
                          "25 A",    "63 A", "24 - 40 A", "3x16+10",   "2(3x6)"};
    EXPECT_EQ(Lookup(Maker::Telemecanique, kThirtyKw), thirty);
    const Entry hundredTen = {"LC1-F225", "225 A", "250 A",      "160 - 220 A", "3x95+50",
                              "LC1-D150", "150 A", "LC1-D150",   "150 A",       "LC1-D95",
                              "95 A",     "250 A", "95 - 125 A", "3x95+50",     "2(3x25)"};
    EXPECT_EQ(Lookup(Maker::Telemecanique, kHundredTenKw), hundredTen);
}

TEST(MotorStartingLookup, OneEntryOfEachMaker) {
    const Entry siemens = {"3TF41", "12 A", "25 A", "8 - 12,5 A", "4x2,5"};
    EXPECT_EQ(
        std::vector(siemens.begin(), siemens.begin() + 5),
        std::vector(Lookup(Maker::Siemens, 9).begin(), Lookup(Maker::Siemens, 9).begin() + 5));
    EXPECT_EQ(text(Maker::Siemens, 0, DirectRelay), "0,63 - 1 A");
    EXPECT_EQ(text(Maker::Hyundai, 0, DirectContactor), "HİMC 9 W");
    EXPECT_EQ(text(Maker::Hyundai, 0, DirectRelay), "0,8 - 1,2 A");
    EXPECT_EQ(text(Maker::Hyundai, 18, DirectContactor), "HİMC 110 W");
    EXPECT_EQ(text(Maker::Hyundai, 18, StarContactor), "HİMC 40 W");
    EXPECT_EQ(text(Maker::Moeller, 7, DirectContactor), "DILM 9");
    EXPECT_EQ(text(Maker::Moeller, 7, DirectRelay), "6 - 10 A");
    EXPECT_EQ(text(Maker::Moeller, 9, DirectRelay), "10 - 16 A");
    EXPECT_EQ(text(Maker::Moeller, kHundredTenKw, MainContactor), "DILM 115");
    // The same power with another maker changes every contactor and relay text.
    for (const Result result : {DirectContactor, DirectRelay, MainContactor, DeltaContactor,
                                StarContactor, StarDeltaRelay})
        EXPECT_NE(text(Maker::Siemens, 12, result), text(Maker::Telemecanique, 12, result));
}

TEST(MotorStartingLookup, StarDeltaFromFiveAndAHalfKilowattsWithNoEmptyCell) {
    for (const Maker maker : kMakers) {
        for (int power = 0; power < kPowerCount; ++power) {
            const Entry& entry = Lookup(maker, power);
            for (int result = 0; result < kResultCount; ++result) {
                const bool given = result < MainContactor || power >= kFirstStarDelta;
                EXPECT_EQ(entry[result].empty(), !given)
                    << "maker " << static_cast<int>(maker) << ", power " << power << ", Text"
                    << result + 1;
            }
        }
    }
}

TEST(MotorStartingCatalogue, TextFormsAndTypeFamilies) {
    const std::map<Maker, std::regex> families = {
        {Maker::Siemens, std::regex("3TF(4[0-9]|5[0-7])")},
        {Maker::Hyundai, std::regex("HİMC [0-9]+ W")},
        {Maker::Moeller, std::regex("DILM [0-9]+")},
        {Maker::Telemecanique, std::regex("LC1-(KO6|DO9|D[0-9]+|F[0-9]+)")}};
    const std::regex current("[0-9]+ A");
    const std::regex relay("[0-9]+(,[0-9]+)? - [0-9]+(,[0-9]+)? A");
    const std::regex supply("4x(2,5|4|6|10)|[23]?\\(?3x(16|25|35|50|70|95)\\+(10|16|25|35|50)\\)?");
    const std::regex leads("2\\(3x(2,5|4|6|10|16|25|35|50|70|95\\+50)\\)");
    for (const Maker maker : kMakers) {
        for (int power = 0; power < kPowerCount; ++power) {
            const Entry& e = Lookup(maker, power);
            const std::string where =
                std::to_string(static_cast<int>(maker)) + "/" + std::to_string(power);
            for (const Result contactor :
                 {DirectContactor, MainContactor, DeltaContactor, StarContactor}) {
                if (e[contactor].empty())
                    continue;
                EXPECT_TRUE(std::regex_match(std::string(e[contactor]), families.at(maker)))
                    << where << " " << e[contactor];
                EXPECT_TRUE(std::regex_match(std::string(e[contactor + 1]), current)) << where;
            }
            for (const Result fuse : {DirectFuse, StarDeltaFuse}) {
                if (!e[fuse].empty()) {
                    EXPECT_TRUE(std::regex_match(std::string(e[fuse]), current)) << where;
                }
            }
            for (const Result range : {DirectRelay, StarDeltaRelay}) {
                if (!e[range].empty()) {
                    EXPECT_TRUE(std::regex_match(std::string(e[range]), relay)) << where;
                }
            }
            EXPECT_TRUE(std::regex_match(std::string(e[DirectCable]), supply)) << where;
            if (power >= kFirstStarDelta) {
                EXPECT_EQ(e[StarDeltaSupplyCable], e[DirectCable]) << where;
                EXPECT_TRUE(std::regex_match(std::string(e[StarDeltaMotorCables]), leads)) << where;
            }
        }
    }
}

TEST(MotorStartingCatalogue, EquipmentFitsTheMotorCurrent) {
    for (const Maker maker : kMakers) {
        std::map<std::string_view, std::string_view> ratingOf;
        for (int power = 0; power < kPowerCount; ++power) {
            const Entry& e = Lookup(maker, power);
            const std::string where =
                std::to_string(static_cast<int>(maker)) + "/" + std::to_string(power);
            // A contactor's type always shows the same AC-3 current.
            for (const Result contactor :
                 {DirectContactor, MainContactor, DeltaContactor, StarContactor}) {
                if (e[contactor].empty())
                    continue;
                const auto [it, added] = ratingOf.emplace(e[contactor], e[contactor + 1]);
                EXPECT_EQ(it->second, e[contactor + 1]) << where << " " << e[contactor];
            }
            if (known(maker, power))
                continue;
            const double in = kRatedCurrent[static_cast<std::size_t>(power)];
            EXPECT_GE(amps(text(maker, power, DirectContactorAc3)), in) << where;
            const auto [low, high] = range(text(maker, power, DirectRelay));
            EXPECT_TRUE(low <= in && in <= high) << where;
            EXPECT_GE(amps(text(maker, power, DirectFuse)), in) << where;
            if (power < kFirstStarDelta)
                continue;
            // In the delta: main and delta contactor and the relay carry In/√3, the star
            // contactor In/3.
            const double phase = in / std::sqrt(3.0);
            EXPECT_GE(amps(text(maker, power, MainContactorAc3)), 0.58 * in) << where;
            EXPECT_EQ(e[MainContactor], e[DeltaContactor]) << where;
            EXPECT_GE(amps(text(maker, power, StarContactorAc3)), 0.33 * in) << where;
            const auto [deltaLow, deltaHigh] = range(text(maker, power, StarDeltaRelay));
            EXPECT_TRUE(deltaLow <= phase && phase <= deltaHigh) << where;
            EXPECT_GE(amps(text(maker, power, StarDeltaFuse)), in) << where;
        }
    }
}

TEST(MotorStartingCatalogue, FusesAndCablesBelongToTheMotorNotTheMaker) {
    for (int power = 0; power < kPowerCount; ++power) {
        for (const Result result :
             {DirectFuse, DirectCable, StarDeltaFuse, StarDeltaSupplyCable, StarDeltaMotorCables}) {
            for (const Maker maker : kMakers)
                EXPECT_EQ(Lookup(maker, power)[result], Lookup(Maker::Siemens, power)[result])
                    << power << " Text" << result + 1;
        }
    }
}

TEST(MotorStartingCatalogue, LargerMotorsNeverGetSmallerContactors) {
    for (const Maker maker : kMakers) {
        for (int power = 1; power < kPowerCount; ++power) {
            for (const Result result : {DirectContactorAc3, MainContactorAc3}) {
                if (Lookup(maker, power - 1)[result].empty())
                    continue;
                EXPECT_GE(amps(text(maker, power, result)), amps(text(maker, power - 1, result)))
                    << static_cast<int>(maker) << "/" << power;
            }
        }
    }
}

} // namespace
} // namespace voltaris::motor_starting
