#include "forms/app/frames/ruler_scale.h"

int RulerTickStep(int32_t inchPixels, int32_t dpi, bool centimetres)
{
    // Each threshold is a percentage of an inch at 100 %; the last one that
    // holds wins.
    struct Threshold {
        int percent;
        int step;
    };
    static constexpr Threshold kCentimetres[] = {{150, 50}, {85, 20}, {75, 10}, {40, 5}, {25, 2}};
    static constexpr Threshold kInches[] = {{150, 100}, {80, 50}, {40, 20}, {25, 5}};
    int step = centimetres ? 100 : 200;
    const auto apply = [&](const auto& table) {
        for (const Threshold& t : table)
            if (int64_t {inchPixels} * 100 < int64_t {dpi} * t.percent)
                step = t.step;
    };
    if (centimetres)
        apply(kCentimetres);
    else
        apply(kInches);
    return step;
}

std::vector<RulerTick> RulerTicks(int32_t pageLength, int step, bool centimetres)
{
    std::vector<RulerTick> ticks;
    if (step <= 0 || pageLength <= 0)
        return ticks;
    int64_t count = int64_t {pageLength} * step / 1440;
    if (centimetres)
        count = count * 254 / 100;
    count /= 10;
    for (int64_t i = 0; i < count; ++i) {
        int64_t twips = i * 14400 / step;
        if (centimetres)
            twips = twips * 100 / 254;
        RulerTick tick {static_cast<int32_t>(twips), 2, -1};
        if (10 * i % step == 0) {
            tick.length = 12;
            tick.number = static_cast<int>(10 * i / step);
        } else if (20 * i % step == 0) {
            tick.length = 5;
        }
        ticks.push_back(tick);
    }
    return ticks;
}

RulerDigits RulerNumberDigits(int number)
{
    const int shown = number % 100;
    return {shown / 10 != 0 ? shown / 10 : -1, shown % 10};
}
