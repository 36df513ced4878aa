#include "platform/ui/clock.h"

#include <chrono>
#include <random>

namespace ui {

namespace {

Clock systemClock;
Clock* current = nullptr;

} // namespace

std::time_t Clock::Time()
{
    return std::time(nullptr);
}

LocalTime Clock::Now()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm tm {};
    localtime_r(&seconds, &tm);
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, static_cast<int>(ms),
        tm.tm_wday};
}

std::uint32_t Clock::TickCount()
{
    using namespace std::chrono;
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void Clock::Srand(unsigned seed)
{
    seed_ = seed;
}

int Clock::Rand()
{
    seed_ = seed_ * 214013u + 2531011u;
    return static_cast<int>((seed_ >> 16) & 0x7FFF);
}

std::uint32_t Clock::RandomU32()
{
    static std::random_device device;
    return static_cast<std::uint32_t>(device());
}

Clock& CurrentClock()
{
    return current ? *current : systemClock;
}

Clock* SetClock(Clock* clock)
{
    Clock* previous = current ? current : &systemClock;
    current = clock == &systemClock ? nullptr : clock;
    return previous;
}

} // namespace ui
