#include "platform/ui/beep.h"

#include <QApplication>

#include <utility>

namespace ui {

namespace {

BeepHook& Hook()
{
    static BeepHook hook;
    return hook;
}

} // namespace

void Beep()
{
    if (Hook()) {
        Hook()();
        return;
    }
    QApplication::beep();
}

BeepHook SetBeepHook(BeepHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

ScopedBeepCounter::ScopedBeepCounter()
    : previous_(SetBeepHook([this] { ++count_; }))
{}

ScopedBeepCounter::~ScopedBeepCounter()
{
    SetBeepHook(std::move(previous_));
}

} // namespace ui
