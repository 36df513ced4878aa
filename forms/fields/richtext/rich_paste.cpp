// Pasting: the native format when it is offered with a readable font table
// and the window takes rich text, else plain text; inserted in chunks that
// halve until the rest no longer fits.
#include "forms/fields/richtext/richeditor.h"

#include "forms/fields/richtext/editor_owner.h"
#include "forms/fields/richtext/rich_clipboard.h"
#include "forms/fields/richtext/richtext.h"
#include "forms/fields/richtext/stored_text.h"
#include "forms/model/program_fonts.h"
#include "forms/model/record_archive.h"

#include "platform/io/archive.h"
#include "platform/io/memory_file.h"
#include "platform/ui/beep.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/message_box.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <optional>

namespace {

// The pasted font table, or nothing when the block is absent or cannot be
// read. A table that reads as null (a program without fonts) is readable.
bool ReadFontTable(const ui::DataObject& data, std::unique_ptr<FontFaces>& table)
{
    const std::optional<std::string> block = data.GetData(kFontListFormat);
    if (!block)
        return false;
    try {
        io::MemoryFile file(std::vector<uint8_t>(block->begin(), block->end()));
        io::Archive archive(file, io::Archive::Load);
        RECORDARCHIVE records(archive);
        if (records.ReadTag() != kFontTableGroup)
            return false;
        table = GetProgramFonts().ReadTable(archive);
        return true;
    } catch (const std::exception&) {
        table.reset();
        return false;
    }
}

} // namespace

int RICHEDITOR::PasteFromClipboard(const TEXTDRAWINFO& drawInfo)
{
    if (text->GetBuffer() == nullptr)
        return 0;
    const ui::DataObject data = ui::DataObject::FromClipboard();
    std::unique_ptr<FontFaces> table;
    // Typeface codes from another process are trusted only with the table
    // they index.
    const bool rich = owner->GetRichPaste() && data.IsAvailable(kNativeTextFormat) && ReadFontTable(data, table);
    const std::optional<std::string> bytes = data.GetData(rich ? kNativeTextFormat : ui::kFormatText);
    if (!bytes)
        return 0;
    if (selectionActive) {
        if (owner->GetReplaceSelection()) {
            DeleteSelection();
        } else {
            caret = anchor.Compare(selEnd) <= 0 ? anchor : selEnd;
            ClearSelection();
        }
    }
    return InsertClipboardText(drawInfo, *bytes, table.get(), rich, nullptr);
}

int RICHEDITOR::InsertClipboardText(
    const TEXTDRAWINFO& drawInfo, std::string_view clip, const FontFaces* fontTable, bool rich, const TEXTATTR* attr)
{
    if (text->GetBuffer() == nullptr)
        return 0;
    clip = clip.substr(0, clip.find('\0'));
    std::string source = rich ? DropIncompleteCodes(clip) : CleanPlainText(clip);
    if (rich && fontTable != nullptr)
        RemapFaceCodes(source, fontTable);
    int32_t chunk = std::max(1, std::min(VisibleCount(source), kPasteChunk));
    UpdateCaret(false);
    quiet = 1;
    const int32_t from = Offset(caret);
    int done = 1;
    for (size_t at = 0; at < source.size();) {
        const auto n = static_cast<size_t>(ChunkBytes(std::string_view(source).substr(at), chunk));
        if (n == 0)
            break;
        SaveSnapshot();
        if (attr != nullptr)
            typingAttr = *attr;
        InsertAtCaret(std::string_view(source).substr(at, n));
        if (Layout(drawInfo, false, true)) {
            at += n;
            continue;
        }
        RestoreSnapshot();
        if (chunk == 1) {
            ui::MessageBox(kInsertFailedText, {});
            ui::Beep();
            done = 0;
            break;
        }
        chunk /= 2;
    }
    quiet = 0;
    MarkDirty(from, Offset(caret));
    const std::vector<TEXTLINE>& lines = LayoutLines(drawInfo);
    Paint(drawInfo, lines, false);
    typingAttr = FormatAt(caret);
    PlaceCaret(drawInfo, lines, true);
    ReportFormat();
    UpdateCaret(true);
    return done;
}

int RICHEDITOR::InsertPlainText(std::string_view plain)
{
    const DrawScope info(owner);
    return InsertClipboardText(*info, plain, nullptr, false, nullptr);
}
