// Copying the selection: the native block with its lead run, the plain
// block with CR LF line ends, and the program's font table, put on the
// clipboard together.
#include "forms/fields/richtext/richeditor.h"

#include "forms/fields/richtext/format_switch.h"
#include "forms/fields/richtext/rich_clipboard.h"
#include "forms/fields/richtext/richtext.h"
#include "forms/model/program_fonts.h"

#include "platform/io/archive.h"
#include "platform/io/memory_file.h"
#include "platform/ui/clipboard.h"

#include <algorithm>

namespace {

// The run that states a format: a code for every field that is not mixed.
std::string LeadRun(const TEXTATTR& format)
{
    TEXTATTR mixed;
    mixed.SetMixed();
    return SwitchCodes(mixed, format, kLeadOrder);
}

} // namespace

int32_t RICHEDITOR::TextLength(const TEXTPOS& start, const TEXTPOS& end) const
{
    TEXTPOS p = start;
    if (p.GetChar() == kEsc)
        p.SkipCodes(true);
    int32_t length = 0;
    for (int32_t n = Offset(end) - Offset(p); n > 0 && !p.IsAtEnd();) {
        if (p.GetChar() == kEsc) {
            if (!p.ReadCode())
                break;
            n -= kCodeLength;
            continue;
        }
        length += p.GetChar() == kReturn ? 2 : 1;
        p.Move(1);
        --n;
    }
    return length;
}

int32_t RICHEDITOR::RichLength(const TEXTPOS& start, const TEXTPOS& end, bool backOverCodes, bool withLead) const
{
    TEXTPOS from = start;
    if (backOverCodes)
        from.BackOverCodes();
    int32_t length = std::max(0, Offset(end) - Offset(from));
    if (withLead)
        length += static_cast<int32_t>(LeadRun(FormatAt(start)).size());
    return length;
}

std::string RICHEDITOR::GetSelectionText()
{
    std::string out;
    if (selectionActive) {
        const TEXTPOS& first = anchor.Compare(selEnd) <= 0 ? anchor : selEnd;
        const TEXTPOS& last = &first == &anchor ? selEnd : anchor;
        out.reserve(static_cast<size_t>(TextLength(first, last)) + 1);
        TEXTPOS p = first;
        if (p.GetChar() == kEsc)
            p.SkipCodes(true);
        for (int32_t n = Offset(last) - Offset(p); n > 0 && !p.IsAtEnd();) {
            if (p.GetChar() == kEsc) {
                if (!p.ReadCode())
                    break;
                n -= kCodeLength;
                continue;
            }
            out += static_cast<char>(p.GetChar());
            if (p.GetChar() == kReturn)
                out += static_cast<char>(kLineFeed);
            p.Move(1);
            --n;
        }
    }
    out += '\0';
    return out;
}

std::string RICHEDITOR::GetSelectionRich()
{
    std::string out;
    if (selectionActive) {
        const TEXTPOS& first = anchor.Compare(selEnd) <= 0 ? anchor : selEnd;
        const TEXTPOS& last = &first == &anchor ? selEnd : anchor;
        out.reserve(static_cast<size_t>(RichLength(first, last, true, true)) + 1);
        out += LeadRun(FormatAt(first));
        TEXTPOS p = first;
        p.BackOverCodes();
        for (int32_t n = Offset(last) - Offset(p); n > 0 && !p.IsAtEnd(); --n) {
            out += static_cast<char>(p.GetChar());
            p.Move(1);
        }
    }
    out += '\0';
    return out;
}

int RICHEDITOR::CopyToClipboard()
{
    ui::DataSource source;
    if (!CopyTo(source))
        return 0;
    return ui::SetClipboard(source) ? 1 : 0;
}

int RICHEDITOR::CopyTo(ui::DataSource& source)
{
    if (!selectionActive)
        return 0;
    source.SetData(kNativeTextFormat, GetSelectionRich());
    source.SetData(ui::kFormatText, GetSelectionText());
    io::MemoryFile file;
    {
        io::Archive archive(file, io::Archive::Store);
        GetProgramFonts().WriteTable(archive);
        archive.Close();
    }
    const std::vector<uint8_t>& table = file.Data();
    source.SetData(kFontListFormat, std::string(table.begin(), table.end()));
    return 1;
}
