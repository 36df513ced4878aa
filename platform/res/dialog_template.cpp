#include "platform/res/dialog_template.h"

#include "platform/res/errors.h"
#include "platform/res/resource_text.h"

#include <array>
#include <utility>

namespace res {

namespace {

struct Reader {
    const std::string& source;
    int line;

    [[noreturn]] void Fail(const std::string& what) const { throw FormatError(source, line, what); }

    int Number(std::string_view digits, int low, int high, const char* what) const
    {
        long value = 0;
        bool negative = !digits.empty() && digits.front() == '-';
        if (negative)
            digits.remove_prefix(1);
        if (digits.empty() || digits.size() > 5)
            Fail(std::string(what) + " must be a number from " + std::to_string(low) + " to " + std::to_string(high));
        for (char c : digits) {
            if (c < '0' || c > '9')
                Fail(std::string(what) + " must be a number from " + std::to_string(low) + " to "
                    + std::to_string(high));
            value = value * 10 + (c - '0');
        }
        if (negative)
            value = -value;
        if (value < low || value > high)
            Fail(std::string(what) + " must be a number from " + std::to_string(low) + " to " + std::to_string(high));
        return static_cast<int>(value);
    }
};

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (true) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

// Blank-separated words; runs of blanks count as one.
std::vector<std::string_view> Words(std::string_view text)
{
    std::vector<std::string_view> words;
    for (std::string_view word : Split(text, ' '))
        if (!word.empty())
            words.push_back(word);
    return words;
}

constexpr std::array<std::pair<std::string_view, ControlKind>, 11> kKinds {{
    {"PUSHBUTTON", ControlKind::PushButton},
    {"DEFPUSHBUTTON", ControlKind::DefPushButton},
    {"CHECKBOX", ControlKind::CheckBox},
    {"RADIOBUTTON", ControlKind::RadioButton},
    {"GROUPBOX", ControlKind::GroupBox},
    {"LTEXT", ControlKind::LeftText},
    {"CTEXT", ControlKind::CentreText},
    {"RTEXT", ControlKind::RightText},
    {"EDITTEXT", ControlKind::Edit},
    {"COMBOBOX", ControlKind::ComboBox},
    {"LISTBOX", ControlKind::ListBox},
}};

constexpr std::array<std::pair<std::string_view, std::uint32_t>, 11> kStyles {{
    {"GROUP", kStyleGroup},
    {"TABSTOP", kStyleTabStop},
    {"DISABLED", kStyleDisabled},
    {"HIDDEN", kStyleHidden},
    {"OWNERDRAW", kStyleOwnerDraw},
    {"DROPDOWN", kStyleDropDown},
    {"DROPDOWNLIST", kStyleDropDownList},
    {"SORT", kStyleSort},
    {"READONLY", kStyleReadOnly},
    {"MULTILINE", kStyleMultiLine},
    {"WANTRETURN", kStyleWantReturn},
}};

ControlKind KindOf(std::string_view word, const Reader& r)
{
    for (const auto& [name, kind] : kKinds)
        if (name == word)
            return kind;
    r.Fail("unknown control kind \"" + std::string(word) + "\"");
}

std::uint32_t StylesOf(std::string_view field, const Reader& r)
{
    if (field == "-")
        return 0;
    std::uint32_t styles = 0;
    const auto words = Words(field);
    if (words.empty())
        r.Fail("no styles: write \"-\" for none");
    for (std::string_view word : words) {
        bool known = false;
        for (const auto& [name, bit] : kStyles)
            if (name == word) {
                styles |= bit;
                known = true;
            }
        if (!known)
            r.Fail("unknown style \"" + std::string(word) + "\"");
    }
    if ((styles & kStyleDropDown) && (styles & kStyleDropDownList))
        r.Fail("DROPDOWN and DROPDOWNLIST exclude each other");
    return styles;
}

DialogControl ControlOf(const std::vector<std::string_view>& fields, const Reader& r)
{
    if (fields.size() != 6)
        r.Fail("a control has an id, a kind, a rectangle, styles and a text, separated by tabs");
    DialogControl control;
    control.id = static_cast<std::uint16_t>(r.Number(fields[1], 0, 65535, "the control id"));
    control.kind = KindOf(fields[2], r);
    const auto numbers = Words(fields[3]);
    if (numbers.size() != 4)
        r.Fail("the rectangle is x, y, width and height, separated by blanks");
    control.x = r.Number(numbers[0], -9999, 9999, "x");
    control.y = r.Number(numbers[1], -9999, 9999, "y");
    control.width = r.Number(numbers[2], 0, 9999, "the width");
    control.height = r.Number(numbers[3], 0, 9999, "the height");
    control.styles = StylesOf(fields[4], r);
    control.text = Unescape(Cp1252FromUtf8(fields[5], r.source, r.line), "t", r.source, r.line);
    return control;
}

} // namespace

const DialogControl* DialogTemplate::Find(std::uint16_t controlId) const
{
    for (const DialogControl& control : controls)
        if (control.id == controlId)
            return &control;
    return nullptr;
}

DialogTemplate ParseDialogTemplate(std::string_view utf8, const std::string& source)
{
    DialogTemplate dialog;
    bool headed = false;
    bool sized = false;
    Reader r {source, 0};
    size_t start = 0;
    while (start < utf8.size()) {
        size_t end = utf8.find('\n', start);
        if (end == std::string_view::npos)
            end = utf8.size();
        std::string_view text = utf8.substr(start, end - start);
        start = end + 1;
        if (text.ends_with('\r'))
            text.remove_suffix(1);
        ++r.line;
        if (text.empty() || text.front() == '#')
            continue;
        const auto fields = Split(text, '\t');
        const std::string_view keyword = fields[0];
        if (keyword == "DIALOG" || keyword == "PAGE") {
            if (headed)
                r.Fail("a second DIALOG or PAGE line");
            if (fields.size() != 2)
                r.Fail(std::string(keyword) + " takes the id alone");
            dialog.id = static_cast<std::uint16_t>(r.Number(fields[1], 0, 65535, "the dialog id"));
            dialog.page = keyword == "PAGE";
            headed = true;
            continue;
        }
        if (!headed)
            r.Fail("the definition must begin with DIALOG or PAGE");
        if (keyword == "CAPTION") {
            if (fields.size() != 2)
                r.Fail("CAPTION takes the text alone");
            dialog.caption = Unescape(Cp1252FromUtf8(fields[1], source, r.line), "t", source, r.line);
        } else if (keyword == "SIZE") {
            const auto numbers = fields.size() == 2 ? Words(fields[1]) : std::vector<std::string_view> {};
            if (numbers.size() != 2)
                r.Fail("SIZE takes the width and the height, separated by a blank");
            dialog.width = r.Number(numbers[0], 1, 9999, "the width");
            dialog.height = r.Number(numbers[1], 1, 9999, "the height");
            sized = true;
        } else if (keyword == "FONT") {
            if (fields.size() != 3 || fields[2].empty())
                r.Fail("FONT takes the point size and the face");
            dialog.fontPoints = r.Number(fields[1], 1, 72, "the point size");
            dialog.fontFace = Cp1252FromUtf8(fields[2], source, r.line);
        } else if (keyword == "CONTROL") {
            DialogControl control = ControlOf(fields, r);
            if (dialog.Find(control.id) && control.id != 0xFFFF)
                r.Fail("control id " + std::to_string(control.id) + " is given twice");
            dialog.controls.push_back(std::move(control));
        } else {
            r.Fail("unknown line \"" + std::string(keyword) + "\"");
        }
    }
    ++r.line;
    if (!headed)
        r.Fail("no DIALOG or PAGE line");
    if (!sized)
        r.Fail("no SIZE line");
    return dialog;
}

} // namespace res
