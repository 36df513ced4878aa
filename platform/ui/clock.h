// The one seam for the time of day, the millisecond tick count and the
// run-time library's random numbers, so that tests can set them.
#pragma once

#include <cstdint>
#include <ctime>

namespace ui {

struct LocalTime {
    int year;
    int month; // 1-12
    int day; // 1-31
    int hour;
    int minute;
    int second;
    int millisecond;
    int dayOfWeek; // 0 Sunday - 6 Saturday
};

// The system's clock and generator; tests derive and override what they fix.
class Clock {
public:
    virtual ~Clock() = default;

    // Seconds since 1970-01-01 UTC.
    virtual std::time_t Time();
    virtual LocalTime Now();
    // Milliseconds on a steady clock, wrapping at 2^32.
    virtual std::uint32_t TickCount();

    // The run-time library's generator: 0 to 32767, the same sequence for
    // the same seed on every machine; seed 1 until Srand is called.
    virtual void Srand(unsigned seed);
    virtual int Rand();

    // A 32-bit number that differs from process to process (not the
    // generator above, which repeats its sequence in every process).
    virtual std::uint32_t RandomU32();

private:
    std::uint32_t seed_ = 1;
};

// The clock now in use (the system's unless a test set another).
Clock& CurrentClock();
// Sets the clock in use (nullptr: the system's); returns the previous one.
Clock* SetClock(Clock* clock);

class ScopedClock {
public:
    explicit ScopedClock(Clock& clock)
        : previous_(SetClock(&clock))
    {}
    ~ScopedClock() { SetClock(previous_); }
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

private:
    Clock* previous_;
};

inline std::time_t Time()
{
    return CurrentClock().Time();
}
inline LocalTime Now()
{
    return CurrentClock().Now();
}
inline std::uint32_t GetTickCount()
{
    return CurrentClock().TickCount();
}
inline void Srand(unsigned seed)
{
    CurrentClock().Srand(seed);
}
inline int Rand()
{
    return CurrentClock().Rand();
}
inline std::uint32_t RandomU32()
{
    return CurrentClock().RandomU32();
}

} // namespace ui
