#include "core/shell/shell_texts.h"

#include <gtest/gtest.h>

using namespace voltaris::shell;

TEST(ShellBanner, MovesThirtyTwipsATick) {
    EXPECT_EQ(BannerTick(0), 30);
    EXPECT_EQ(BannerTick(-2800), -2770);
}

// The wrap is tested after each 10-twip step and only at exactly 9600: wherever 9600 falls within
// a tick, the banner goes on from -2800.
TEST(ShellBanner, WrapsFromExactly9600ToMinus2800) {
    EXPECT_EQ(BannerTick(9570), -2800);
    EXPECT_EQ(BannerTick(9580), -2790);
    EXPECT_EQ(BannerTick(9590), -2780);
    EXPECT_EQ(BannerTick(9560), 9590);
    // From the start position the banner comes round to the wrap and back again.
    int left = 0;
    bool wrapped = false;
    for (int tick = 0; tick < 1000 && !wrapped; ++tick) {
        left = BannerTick(left);
        wrapped = left < 0;
    }
    EXPECT_TRUE(wrapped);
    EXPECT_GE(left, -2800);
    EXPECT_LT(left, -2770);
}

TEST(ShellRunCount, LineHoldsTheStoredCount) {
    EXPECT_EQ(RunCountLine(5), "Bu Program 5 Defa Çalışmıştır...");
    EXPECT_EQ(RunCountLine(1234), "Bu Program 1234 Defa Çalışmıştır...");
}

TEST(ShellAbout, FullTextEndsWithGreetingAndNote) {
    const std::u32string text = AboutText();
    const std::u32string tail =
        U"\nGÜLE GÜLE KULLANIN...\n\nNot: Bu Hesaplama programından dolayı oluşacak "
        U"problemlerden mesul değilim. Gerçek değerler için profesyonel projecilerle görüşünüz...";
    ASSERT_GT(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(ShellAbout, TypingShowsOneMoreCharacterEachTick) {
    const std::u32string full = U"Işık ğ";
    Typing typing;
    TypeNext(typing, full);
    EXPECT_EQ(typing.shown, U"I");
    EXPECT_EQ(typing.counter, 1);
    TypeNext(typing, full);
    TypeNext(typing, full);
    EXPECT_EQ(typing.shown, U"Işı");
    EXPECT_FALSE(typing.finished);
}

// With the last character the counter returns to 0 and the typing stops for good.
TEST(ShellAbout, TypingEndsWholeAndStaysWhole) {
    const std::u32string full = AboutText();
    Typing typing;
    for (std::size_t tick = 1; tick < full.size(); ++tick)
        TypeNext(typing, full);
    EXPECT_FALSE(typing.finished);
    EXPECT_EQ(typing.shown, full.substr(0, full.size() - 1));
    TypeNext(typing, full);
    EXPECT_TRUE(typing.finished);
    EXPECT_EQ(typing.counter, 0);
    EXPECT_EQ(typing.shown, full);
    TypeNext(typing, full);
    EXPECT_EQ(typing.shown, full);
    EXPECT_EQ(typing.counter, 0);
}
