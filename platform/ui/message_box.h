// Every message box of the program goes through MessageBox, with the
// Windows-like button, icon and default-button flags and answers. A hook
// answers them instead of the user (tests set one so nothing ever waits).
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ui {

// Buttons.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_RETRYCANCEL = 0x5;
constexpr unsigned MB_TYPEMASK = 0xF;
// Icons.
constexpr unsigned MB_ICONHAND = 0x10;
constexpr unsigned MB_ICONSTOP = MB_ICONHAND;
constexpr unsigned MB_ICONERROR = MB_ICONHAND;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr unsigned MB_ICONASTERISK = 0x40;
constexpr unsigned MB_ICONINFORMATION = MB_ICONASTERISK;
constexpr unsigned MB_ICONMASK = 0xF0;
// Default button.
constexpr unsigned MB_DEFBUTTON1 = 0x000;
constexpr unsigned MB_DEFBUTTON2 = 0x100;
constexpr unsigned MB_DEFBUTTON3 = 0x200;
constexpr unsigned MB_DEFMASK = 0xF00;
// Modality: a system-modal box stays above every window.
constexpr unsigned MB_SYSTEMMODAL = 0x1000;

// Answers.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

struct MessageBoxRequest {
    std::string text; // Windows-1252
    std::string caption; // Windows-1252
    unsigned flags;
};

using MessageBoxHook = std::function<int(const MessageBoxRequest&)>;

// A message box that nobody can answer: no hook is set and the platform has
// no screen (offscreen tests), or the hook gave an answer that is not one of
// the box's buttons.
class UnansweredMessageBox : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Shows the box (or asks the hook) and returns the button chosen. An empty
// caption is the running application's name.
int MessageBox(std::string_view text, std::string_view caption, unsigned flags = MB_OK);

// True when answer is one of the buttons that flags give the box.
bool IsMessageBoxAnswer(unsigned flags, int answer);

// Sets the hook (an empty one shows real boxes again); returns the previous hook.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);

// Sets a hook for its own lifetime and puts the previous one back after.
class ScopedMessageBoxHook {
public:
    explicit ScopedMessageBoxHook(MessageBoxHook hook);
    ~ScopedMessageBoxHook();
    ScopedMessageBoxHook(const ScopedMessageBoxHook&) = delete;
    ScopedMessageBoxHook& operator=(const ScopedMessageBoxHook&) = delete;

private:
    MessageBoxHook previous_;
};

} // namespace ui
