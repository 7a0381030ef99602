#include "core/lowvoltage/simple_consumption.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace voltaris::simple_consumption {
namespace {

// 2000 W for 3 h a day at 0.5 TL/kWh.
TEST(SimpleConsumption, DevicePeriods) {
    const auto out = DeviceConsumption("2000", "3", "0.5", {});
    ASSERT_FALSE(out.failed);
    const std::array<std::string, kPeriodCount> energy = {"2",    "6",   "48",    "336", "42",
                                                          "1440", "180", "17520", "2190"};
    const std::array<std::string, kPeriodCount> cost = {"1",   "3",  "24",   "168", "21",
                                                        "720", "90", "8760", "1095"};
    EXPECT_EQ(out.texts.energy, energy);
    EXPECT_EQ(out.texts.cost, cost);
}

// Each cost multiplies its energy as the field shows it (15 significant digits), not the exact
// product: 1 W for 1/3 h a day gives 0.000333333333333333 kWh.
TEST(SimpleConsumption, CostsReadTheEnergyBack) {
    const auto out = DeviceConsumption("1", "0.333333333333333333", "3", {});
    EXPECT_EQ(out.texts.energy[1], "0.000333333333333333");
    EXPECT_EQ(out.texts.cost[1], "0.000999999999999999");
}

TEST(SimpleConsumption, DeviceFailureWritesNothing) {
    DeviceTexts before;
    before.energy[0] = "7";
    const auto out = DeviceConsumption("2000", "3", "", before);
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts.energy[0], "7");
    EXPECT_EQ(out.texts.energy[1], "");
}

TEST(SimpleConsumption, TransformerLists) {
    const std::vector<std::string> low = LowVoltageTransformers();
    ASSERT_EQ(low.size(), 22u);
    EXPECT_EQ(low[0], "Akım Trafosu Yok");
    EXPECT_EQ(low[1], "50/5");
    EXPECT_EQ(low[7], "200/5");
    EXPECT_EQ(low[21], "4000/5");
    const std::vector<std::string> medium = MediumVoltageTransformers();
    ASSERT_EQ(medium.size(), 26u);
    EXPECT_EQ(medium[0], "10/5");
    EXPECT_EQ(medium[25], "4000/5");
    EXPECT_EQ(CurrentFactor("Akım Trafosu Yok"), 1);
    EXPECT_EQ(CurrentFactor("50/5"), 10);
    EXPECT_EQ(CurrentFactor("75/5"), 15);
    EXPECT_EQ(CurrentFactor("4000/5"), 800);
    EXPECT_EQ(kVoltageTransformers[kVoltageTransformerAtOpening].ratio, "34,5 / 0,1 kV");
}

TEST(SimpleConsumption, LowVoltageOneRate) {
    const std::array<Reading, 3> readings = {{{"1200", "2"}, {"", ""}, {"", ""}}};
    const auto out = LowVoltageMeter(false, readings, "200/5", {});
    ASSERT_FALSE(out.failed);
    EXPECT_EQ(out.texts.total.energy, "48000");
    EXPECT_EQ(out.texts.total.cost, "96000");
    EXPECT_EQ(out.texts.rates[0].energy, "");
}

TEST(SimpleConsumption, LowVoltageThreeRates) {
    const std::array<Reading, 3> readings = {{{"100", "1.5"}, {"20", "3"}, {"50", "0.75"}}};
    const auto out = LowVoltageMeter(true, readings, "Akım Trafosu Yok", {});
    ASSERT_FALSE(out.failed);
    EXPECT_EQ(out.texts.rates[0].energy, "100");
    EXPECT_EQ(out.texts.rates[0].cost, "150");
    EXPECT_EQ(out.texts.rates[1].cost, "60");
    EXPECT_EQ(out.texts.rates[2].cost, "37.5");
    EXPECT_EQ(out.texts.total.energy, "170");
    EXPECT_EQ(out.texts.total.cost, "247.5");

    // A missing night price stops after the first two rates.
    const std::array<Reading, 3> missing = {{{"100", "1.5"}, {"20", "3"}, {"50", ""}}};
    const auto failed = LowVoltageMeter(true, missing, "50/5", {});
    EXPECT_TRUE(failed.failed);
    EXPECT_EQ(failed.texts.rates[1].energy, "200");
    EXPECT_EQ(failed.texts.rates[2].energy, "500");
    EXPECT_EQ(failed.texts.rates[2].cost, "");
    EXPECT_EQ(failed.texts.total.energy, "");
}

TEST(SimpleConsumption, MediumVoltage) {
    const auto out = MediumVoltageMeter({"10", "2"}, "10/5", 345, {});
    EXPECT_EQ(out.texts.energy, "6900");
    EXPECT_EQ(out.texts.cost, "13800");
}

// 100 kW at 380 V draws 151.93 A: "200/5"; 50 kW: 75.97 A, "100/5"; beyond 4000 A the largest.
TEST(SimpleConsumption, ChooseTransformer) {
    const TransformerChoice choice = ChooseTransformer(100000);
    EXPECT_EQ(LowVoltageTransformers()[choice.index], "200/5");
    EXPECT_EQ(choice.message.title, "SONUÇ");
    EXPECT_EQ(choice.message.text,
              "Tesisin Çektiği Akım Değeri: 151.934281365691 Amper'dir...\nForm Üzerindeki Akım "
              "Trafosu Seçeneklerinde Seçilmiştir...");
    EXPECT_EQ(LowVoltageTransformers()[ChooseTransformer(50000).index], "100/5");
    EXPECT_EQ(LowVoltageTransformers()[ChooseTransformer(1).index], "50/5");
    EXPECT_EQ(LowVoltageTransformers()[ChooseTransformer(1e7).index], "4000/5");
}

TEST(SimpleConsumption, MeterNotes) {
    EXPECT_EQ(MeterNote(false, 0),
              InfoMessage("Not: Sayaç Üzerinde 1.80 Kodlu Yerdeki Tüketimi Belirlediğiniz Zaman "
                          "Aralığında\nSon Endeks - İlk Endeks Şeklinde Hesaplayıp Giriniz..."));
    EXPECT_EQ(MeterNote(true, 0).text,
              "Not: Sayaç Üzerinde 1.8.1 Kodlu Yerdeki Tüketimi Belirlediğiniz Zaman "
              "Aralığında\nSon Endeks - İlk Endeks Şeklinde Hesaplayıp Giriniz.\nGündüz Tarifesi "
              "06:00 - 17:00 Saatleri Arasını Kapsamaktadır...");
    EXPECT_EQ(MeterNote(true, 2).text,
              "Not: Sayaç Üzerinde 1.8.3 Kodlu Yerdeki Tüketimi Belirlediğiniz Zaman "
              "Aralığında\nSon Endeks - İlk Endeks Şeklinde Hesaplayıp Giriniz.\nGece Tarifesi "
              "22:00 – 06:00 Saatleri Arasını Kapsamaktadır...");
}

} // namespace
} // namespace voltaris::simple_consumption
