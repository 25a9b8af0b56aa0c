#include "platform/game_random.h"
#include "platform/instance_lock.h"
#include "platform/shift_jis.h"

#include <gtest/gtest.h>

#include <array>

TEST(ShiftJis, RoundTripsJapaneseAndRefusesWhatItCannotStore)
{
    const auto taro = ToShiftJis("太郎");
    ASSERT_TRUE(taro);
    EXPECT_EQ(*taro, "\x91\xBE\x98\x59");
    EXPECT_EQ(FromShiftJis(*taro), "太郎");
    EXPECT_EQ(ToShiftJis("ｶﾅ")->size(), 2u) << "half-width katakana is one byte each";
    EXPECT_FALSE(ToShiftJis("😀"));
    EXPECT_FALSE(ToShiftJis("한국"));
    EXPECT_EQ(FromShiftJis("A\x81"), "A\xEF\xBF\xBD") << "a cut-off lead byte never fails";
}

TEST(ShiftJis, PrefixNeverSplitsADoubleByteCharacter)
{
    const std::string mixed = "a\x91\xBE" "b\x98\x59";
    EXPECT_EQ(ShiftJisPrefix(mixed, 2), "a");
    EXPECT_EQ(ShiftJisPrefix(mixed, 3), "a\x91\xBE");
    EXPECT_EQ(ShiftJisPrefix(mixed, 10), mixed);
    EXPECT_EQ(ShiftJisPrefix("\x91", 10), "") << "a lone lead byte at the end is dropped";
}

TEST(GameRandom, DrawsAreUniformAndZeroForNothing)
{
    GameRandom random;
    random.Seed(7);
    EXPECT_EQ(random.Next(0), 0);
    EXPECT_EQ(random.Next(-3), 0);
    std::array<int, 3> seen{};
    for (int i = 0; i < 30000; ++i)
        ++seen.at(static_cast<std::size_t>(random.Next(3)));
    for (int count : seen)
        EXPECT_NEAR(count, 10000, 500);
}

TEST(InstanceLock, SecondHolderIsRefusedUntilTheFirstLetsGo)
{
    const std::string name = "ZumoruLockTest" + std::to_string(::testing::UnitTest::GetInstance()->random_seed());
    InstanceLock first(name);
    InstanceLock second(name);
    ASSERT_TRUE(first.Acquire());
    EXPECT_FALSE(second.Acquire());
    first.Release();
    EXPECT_TRUE(second.Acquire());
}
