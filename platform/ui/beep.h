// The warning beep. Tests replace the sound by a hook that counts beeps.
#pragma once

#include <functional>

namespace ui {

// Sounds the beep, or calls the hook when one is set.
void Beep();

using BeepHook = std::function<void()>;

// Sets the hook (an empty one sounds real beeps again); returns the previous hook.
BeepHook SetBeepHook(BeepHook hook);

// Counts beeps for its own lifetime instead of sounding them.
class ScopedBeepCounter {
public:
    ScopedBeepCounter();
    ~ScopedBeepCounter();
    ScopedBeepCounter(const ScopedBeepCounter&) = delete;
    ScopedBeepCounter& operator=(const ScopedBeepCounter&) = delete;

    int Count() const { return count_; }

private:
    int count_ = 0;
    BeepHook previous_;
};

} // namespace ui
