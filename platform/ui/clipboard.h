// Clipboard formats and the data offered under them.
//
// A format is named as the program names it. A registered name travels as
// Qt's own MIME type for named formats,
// application/x-qt-windows-mime;value="<name>", so it passes unchanged
// between our processes. "CF_TEXT" is text/plain: its bytes are
// Windows-1252 text ending in a NUL, converted to and from Unicode here.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QMimeData;

namespace ui {

inline constexpr std::string_view kFormatText = "CF_TEXT";

// The MIME type that carries a format.
std::string MimeTypeOfFormat(std::string_view name);

// Formats with their bytes, offered together: set on the clipboard whole,
// or handed to a drag.
class DataSource {
public:
    // Adds the format, or replaces its bytes when it is there already.
    void SetData(std::string_view name, std::string bytes);
    bool Has(std::string_view name) const;
    // The bytes of a format, or null.
    const std::string* Data(std::string_view name) const;
    const std::vector<std::pair<std::string, std::string>>& Formats() const { return formats_; }
    bool IsEmpty() const { return formats_.empty(); }

    // A new QMimeData holding every format; the caller owns it.
    QMimeData* ToMimeData() const;

private:
    std::vector<std::pair<std::string, std::string>> formats_;
};

// What the clipboard or a drop offers. Its bytes come from any process:
// readers check them as outside input.
class DataObject {
public:
    DataObject() = default;
    // A copy of what the clipboard holds now.
    static DataObject FromClipboard();
    // A copy of what a drag or a drop carries.
    static DataObject FromMimeData(const QMimeData* data);

    bool IsAvailable(std::string_view name) const;
    // The bytes of a format; CF_TEXT as Windows-1252 with a closing NUL.
    std::optional<std::string> GetData(std::string_view name) const;

private:
    std::vector<std::pair<std::string, std::string>> mime_; // MIME type, bytes
    std::optional<std::string> text_; // Windows-1252, when text is offered
};

// Puts the data on the clipboard, replacing what it held. False when the
// clipboard refused it (the hook below), when nothing changes.
bool SetClipboard(const DataSource& source);

// Whether the clipboard offers the format now.
bool IsClipboardFormatAvailable(std::string_view name);

// Tests decide whether the clipboard takes data: a hook answering false
// refuses it. An empty hook takes everything again; returns the previous one.
using ClipboardHook = std::function<bool(const DataSource&)>;
ClipboardHook SetClipboardHook(ClipboardHook hook);

} // namespace ui
