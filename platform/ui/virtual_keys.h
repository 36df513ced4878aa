// Virtual-key codes, the numbers by which the program's keyboard code names
// keys, and their translation from the toolkit's key codes.
#pragma once

namespace ui {

inline constexpr unsigned VK_BACK = 0x08;
inline constexpr unsigned VK_TAB = 0x09;
inline constexpr unsigned VK_RETURN = 0x0D;
inline constexpr unsigned VK_SHIFT = 0x10;
inline constexpr unsigned VK_CONTROL = 0x11;
inline constexpr unsigned VK_MENU = 0x12;
inline constexpr unsigned VK_PAUSE = 0x13;
inline constexpr unsigned VK_CAPITAL = 0x14;
inline constexpr unsigned VK_ESCAPE = 0x1B;
inline constexpr unsigned VK_SPACE = 0x20;
inline constexpr unsigned VK_PRIOR = 0x21;
inline constexpr unsigned VK_NEXT = 0x22;
inline constexpr unsigned VK_END = 0x23;
inline constexpr unsigned VK_HOME = 0x24;
inline constexpr unsigned VK_LEFT = 0x25;
inline constexpr unsigned VK_UP = 0x26;
inline constexpr unsigned VK_RIGHT = 0x27;
inline constexpr unsigned VK_DOWN = 0x28;
inline constexpr unsigned VK_INSERT = 0x2D;
inline constexpr unsigned VK_DELETE = 0x2E;
inline constexpr unsigned VK_F1 = 0x70;

// Key flags that go with a virtual key.
enum KeyFlag : unsigned {
    kKeyShift = 1,
    kKeyCtrl = 2,
    kKeyAlt = 4,
    // The key was down before: an automatic repeat.
    kKeyRepeat = 8,
};

// The virtual key of a toolkit key code (letters and digits as their
// upper-case characters, F1–F24 from 0x70); 0 when the key has none.
unsigned VirtualKeyFromQtKey(int qtKey);

} // namespace ui
