#include "platform/ui/clock.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct FixedClock : ui::Clock {
    std::uint32_t TickCount() override { return ticks; }
    ui::LocalTime Now() override { return {2026, 2, 28, 23, 59, 58, 500, 6}; }
    std::uint32_t ticks = 0xFFFFFFF0u;
};

TEST(Clock, RandIsTheRunTimeLibrarySequence)
{
    ui::Clock clock;
    std::vector<int> first;
    for (int i = 0; i < 5; ++i)
        first.push_back(clock.Rand());
    EXPECT_EQ(first, (std::vector<int> {41, 18467, 6334, 26500, 19169}));

    clock.Srand(1);
    EXPECT_EQ(clock.Rand(), 41);
    clock.Srand(0xFFFFFFFFu);
    for (int i = 0; i < 1000; ++i) {
        int r = clock.Rand();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 32767);
    }
}

TEST(Clock, FreeFunctionsGoThroughTheClockSetByATest)
{
    FixedClock fixed;
    ui::Clock& system = ui::CurrentClock();
    {
        ui::ScopedClock scope(fixed);
        EXPECT_EQ(ui::GetTickCount(), 0xFFFFFFF0u);
        fixed.ticks += 0x20; // wraps as the Windows count does
        EXPECT_EQ(ui::GetTickCount(), 0x10u);
        EXPECT_EQ(ui::Now().day, 28);
        ui::Srand(1);
        EXPECT_EQ(ui::Rand(), 41) << "parts not overridden stay the system's";
    }
    EXPECT_EQ(&ui::CurrentClock(), &system);
}

TEST(Clock, SystemClockAgreesWithTheCLibrary)
{
    const std::time_t before = std::time(nullptr);
    const ui::LocalTime now = ui::Now();
    const std::time_t after = ui::Time();
    std::tm tm {};
    localtime_r(&before, &tm);
    EXPECT_EQ(now.year, tm.tm_year + 1900);
    EXPECT_EQ(now.month, tm.tm_mon + 1);
    EXPECT_GE(after, before);
    EXPECT_LE(after - before, 1);
    EXPECT_LT(now.millisecond, 1000);

    const std::uint32_t t0 = ui::GetTickCount();
    EXPECT_LE(ui::GetTickCount() - t0, 1000u);
}

} // namespace
