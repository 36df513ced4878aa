// The definition of a dialog or property page: caption, size in dialog
// units, font, and the controls in tab order. Its text form, one item a
// line, fields separated by tabs:
//
//     DIALOG <id>            or   PAGE <id>
//     CAPTION <text>
//     SIZE <width> <height>            (dialog units)
//     FONT <points> <face>
//     CONTROL <id> <kind> <x> <y> <width> <height> <styles> <text>
//
// The numbers of SIZE and of a control's rectangle are separated by blanks
// within their field; styles are blank-separated words, or "-" for none; a
// control's text may be empty and takes the escapes \t and \\. Kinds:
// PUSHBUTTON, DEFPUSHBUTTON, CHECKBOX, RADIOBUTTON, GROUPBOX, LTEXT, CTEXT,
// RTEXT, EDITTEXT, COMBOBOX, LISTBOX. Styles: GROUP, TABSTOP, DISABLED,
// HIDDEN, OWNERDRAW (buttons, and fixed-height items of combo and list
// boxes), DROPDOWN (an editable combo), DROPDOWNLIST (a combo that only
// picks), SORT, READONLY, MULTILINE (an edit of several lines), WANTRETURN
// (Enter in a multi-line edit makes a new line). The file is UTF-8 whose characters have
// Windows-1252 forms; empty lines and lines beginning with '#' are skipped.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace res {

enum class ControlKind : std::uint8_t {
    PushButton,
    DefPushButton,
    CheckBox,
    RadioButton,
    GroupBox,
    LeftText,
    CentreText,
    RightText,
    Edit,
    ComboBox,
    ListBox,
};

// Control styles.
constexpr std::uint32_t kStyleGroup = 0x001;
constexpr std::uint32_t kStyleTabStop = 0x002;
constexpr std::uint32_t kStyleDisabled = 0x004;
constexpr std::uint32_t kStyleHidden = 0x008;
constexpr std::uint32_t kStyleOwnerDraw = 0x010;
constexpr std::uint32_t kStyleDropDown = 0x020;
constexpr std::uint32_t kStyleDropDownList = 0x040;
constexpr std::uint32_t kStyleSort = 0x080;
constexpr std::uint32_t kStyleReadOnly = 0x100;
constexpr std::uint32_t kStyleMultiLine = 0x200;
constexpr std::uint32_t kStyleWantReturn = 0x400;

struct DialogControl {
    std::uint16_t id = 0;
    ControlKind kind = ControlKind::LeftText;
    // Dialog units.
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::uint32_t styles = 0;
    std::string text; // Windows-1252
};

struct DialogTemplate {
    std::uint16_t id = 0;
    bool page = false;
    std::string caption; // Windows-1252
    int width = 0; // dialog units
    int height = 0;
    int fontPoints = 8;
    std::string fontFace = "MS Sans Serif";
    std::vector<DialogControl> controls;

    // The control of that id, or null.
    const DialogControl* Find(std::uint16_t controlId) const;
};

// Reads a definition; throws FormatError naming `source` and the line.
DialogTemplate ParseDialogTemplate(std::string_view utf8, const std::string& source);

} // namespace res
