#include "core/circuits/ohms_law.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

using namespace voltaris;
using namespace voltaris::ohms_law;

namespace {

Fields given(const char* first, const char* second) {
    Fields fields;
    fields[1] = first;
    fields[2] = second;
    return fields;
}

// Voltage, current, resistance, power after computing `caseCode`.
std::array<std::string, 4> results(int caseCode, const char* first, const char* second) {
    const Outcome<Fields> outcome = Compute(caseCode, given(first, second));
    EXPECT_FALSE(outcome.failed);
    const Fields& fields = outcome.texts;
    return {fields[3], fields[4], fields[5], fields[6]};
}

using Quad = std::array<std::string, 4>;

} // namespace

TEST(OhmsLaw, CaseCodesFollowTheTwoLists) {
    EXPECT_EQ(CaseCode(Voltage, Current), 1);
    EXPECT_EQ(CaseCode(Current, Voltage), 4);
    EXPECT_EQ(CaseCode(Current, Power), 6);
    EXPECT_EQ(CaseCode(Resistance, Power), 9);
    EXPECT_EQ(CaseCode(Power, Resistance), 12);
    for (int q = 0; q < 4; ++q)
        EXPECT_EQ(CaseCode(q, q), 0);
}

TEST(OhmsLaw, EveryPairGivesTheSameCircuit) {
    // 12 V across 4 ohm: 3 A, 36 W, whichever two are given and in whichever order.
    const Quad circuit = {"12", "3", "4", "36"};
    const char* values[] = {"12", "3", "4", "36"};
    for (int first = 0; first < 4; ++first)
        for (int second = 0; second < 4; ++second) {
            if (first != second) {
                EXPECT_EQ(results(CaseCode(first, second), values[first], values[second]), circuit)
                    << first << "," << second;
            }
        }
}

TEST(OhmsLaw, ResultsAreRoundedToSixDecimals) {
    EXPECT_EQ(results(2, "1", "3"), (Quad{"1", "0.333333", "3", "0.333333"}));
    EXPECT_EQ(results(1, "10", "2"), (Quad{"10", "2", "5", "20"}));
}

TEST(OhmsLaw, LaterStepsReadTheRoundedResult) {
    // Current and power: the resistance comes from the voltage already rounded to 3.333333.
    EXPECT_EQ(results(6, "3", "10"), (Quad{"3.333333", "3", "1.111111", "10"}));
    // Resistance and power: the voltage comes from the rounded current 0.57735 (not 1.732051).
    EXPECT_EQ(results(9, "3", "1"), (Quad{"1.73205", "0.57735", "3", "1"}));
}

TEST(OhmsLaw, AFailingStepKeepsWhatWasWritten) {
    Fields before = given("0", "8"); // resistance 0, power 8
    before[3] = "old";               // a voltage left from an earlier compute
    const Outcome<Fields> zero = Compute(9, before);
    EXPECT_TRUE(zero.failed);
    EXPECT_EQ(zero.texts[5], "0");
    EXPECT_EQ(zero.texts[6], "8");
    EXPECT_EQ(zero.texts[3], "old"); // the steps after the failure wrote nothing
    EXPECT_EQ(zero.texts[4], "");

    const Outcome<Fields> empty = Compute(1, given("10", ""));
    EXPECT_TRUE(empty.failed);
    EXPECT_EQ(empty.texts[3], "10"); // the copies come before the first read
    EXPECT_EQ(empty.texts[4], "");

    EXPECT_TRUE(Compute(1, given(".", "2")).failed);
}

TEST(OhmsLaw, ReportFollowsTheCaseAndTheFieldTexts) {
    EXPECT_EQ(ReportLines(1, Compute(1, given("10", "2")).texts),
              (std::vector<std::string>{"Ohm ve Watt Kanunu Hesabı:", "Gerilim: 10", "Akım: 2", "",
                                        "Direnç = Gerilim / Akım", "Direnç = 10 / 2", "Direnç = 5",
                                        "", "Güç = Gerilim x Akım", "Güç = 10 x 2", "Güç = 20"}));

    Fields rp = Compute(9, given("3", "1")).texts;
    rp[1] = "3.0"; // an edit after the compute shows in the report
    const auto lines = ReportLines(9, rp);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[1], "Direnç: 3.0");
    EXPECT_EQ(lines[2], "Güç: 1");
    EXPECT_EQ(lines[5], "Akım = Karekök(1 / 3.0)");
    EXPECT_EQ(lines[9], "Gerilim = 0.57735 x 3.0");

    EXPECT_EQ(ReportLines(10, Compute(10, given("100", "50")).texts)[9], "Direnç = 50 / 2");
}

TEST(OhmsLaw, ConductanceMessagesAreUnrounded) {
    EXPECT_EQ(ConductanceMessage(3), "Alıcının İletkenliği 0.333333333333333 Siemens'dir...");
    EXPECT_EQ(ResistanceMessage(0.5), "Alıcının Direnci Değeri 2 Ohm'dur...");
    EXPECT_THROW(ConductanceMessage(0), ComputeFailure);
}
