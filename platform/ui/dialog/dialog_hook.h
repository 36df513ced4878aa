// Every modal dialog runs through one loop with a test hook: the hook is
// called inside the loop of each dialog with the running dialog, drives it
// by synthetic input and must end it, so tests never block.
#pragma once

#include <functional>
#include <stdexcept>

namespace ui {

class Dialog;

// A dialog or pop-up menu that nobody can answer: no hook is set and the
// platform has no screen (offscreen tests), or a hook returned and left the
// dialog open (or answered a pop-up with an id it does not have).
class UnansweredDialog : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

using DialogHook = std::function<void(Dialog&)>;

// Sets the hook (an empty one shows real dialogs again); returns the
// previous hook.
DialogHook SetDialogHook(DialogHook hook);
const DialogHook& GetDialogHook();

class ScopedDialogHook {
public:
    explicit ScopedDialogHook(DialogHook hook);
    ~ScopedDialogHook();
    ScopedDialogHook(const ScopedDialogHook&) = delete;
    ScopedDialogHook& operator=(const ScopedDialogHook&) = delete;

private:
    DialogHook previous_;
};

// Whether the platform can show a window to a person.
bool PlatformHasScreen();

} // namespace ui
