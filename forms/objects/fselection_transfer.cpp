// The selection in the record stream: its record format, and the copy of
// the selected objects into a stream and their paste into the selection's
// own private list.
#include "forms/objects/fselection.h"

#include "forms/model/fobjlist.h"
#include "forms/model/int_exception.h"
#include "forms/model/object_document.h"
#include "forms/model/object_view.h"
#include "forms/model/program_fonts.h"
#include "forms/model/record_archive.h"
#include "platform/io/archive.h"
#include "platform/io/archive_error.h"
#include "platform/io/memory_file.h"
#include "platform/ui/clipboard.h"

#include <optional>
#include <string>

namespace {

constexpr uint8_t kRecSourceStamp = 0x81;
constexpr uint8_t kListGroup = 0x29;
// Buffer of the archives that carry a selection.
constexpr size_t kTransferBuffer = 512;

FSELECTION::TextCopy g_textCopy = nullptr;

std::string BytesOf(const io::MemoryFile& file)
{
    const std::vector<uint8_t>& data = file.Data();
    return std::string(data.begin(), data.end());
}

io::MemoryFile FileOf(const std::string& bytes)
{
    return io::MemoryFile(std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

// The typeface table of a pasted block: its tag byte, then the table. Null
// when the block cannot be read.
std::unique_ptr<FontFaces> ReadTypefaces(const std::string& bytes, bool& readable)
{
    readable = false;
    io::MemoryFile file = FileOf(bytes);
    try {
        io::Archive ar(file, io::Archive::Load, kTransferBuffer);
        uint8_t tag = 0;
        ar.Read(&tag, 1);
        if (tag != kFontTableGroup)
            return nullptr;
        std::unique_ptr<FontFaces> table = GetProgramFonts().ReadTable(ar);
        readable = true;
        return table;
    } catch (const io::ArchiveError&) {
        return nullptr;
    } catch (const CIntException&) {
        return nullptr;
    }
}

} // namespace

void FSELECTION::Save(RECORDARCHIVE& ar, uint8_t type)
{
    ar.WriteTag(type);
    OBJECT_DOCUMENT* document = ar.GetDocument();
    ar.BeginRecord();
    ar.PutU32(document ? document->GetCreationStamp() : 0);
    ar.EndRecord(kRecSourceStamp);
    if (list) {
        list->Save(ar, kListGroup, 1);
    } else {
        ar.WriteTag(kListGroup);
        ar.WriteTag(kEndGroup);
    }
    ar.WriteTag(kEndGroup);
}

void FSELECTION::Load(RECORDARCHIVE& ar, uintptr_t owner)
{
    // Nothing changes until the whole selection has been read.
    std::unique_ptr<FOBJLIST> loaded;
    uint32_t stamp = sourceStamp;
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup)
            break;
        if (tag == kListGroup) {
            loaded = std::make_unique<FOBJLIST>();
            loaded->Load(ar, owner);
        } else if (tag == kRecSourceStamp) {
            stamp = ar.ReadRecord().U32(stamp);
        } else {
            ar.SkipRecord(tag);
        }
    }
    sourceStamp = stamp;
    if (loaded) {
        ownList = std::move(loaded);
        list = ownList.get();
    }
}

void FSELECTION::CopyTo(io::Stream& stream, OBJECT_DOCUMENT* document)
{
    io::Archive ar(stream, io::Archive::Store, kTransferBuffer);
    RECORDARCHIVE rec(ar, document);
    Save(rec, kTypeSelection);
    ar.Flush();
    ar.Close();
}

int FSELECTION::PasteFrom(io::Stream& stream, OBJECT_VIEW* view, const FontFaces* typefaces)
{
    if (!view)
        return 0;
    OBJECT_DOCUMENT* document = view->GetObjectDocument();
    const FOBJLIST* before = ownList.get();
    try {
        io::Archive ar(stream, io::Archive::Load, kTransferBuffer);
        RECORDARCHIVE rec(ar, document);
        if (rec.ReadTag() != kTypeSelection)
            return 0;
        Load(rec, reinterpret_cast<uintptr_t>(typefaces));
    } catch (const io::ArchiveError&) {
        return 0;
    } catch (const CIntException&) {
        return 0;
    }
    if (!ownList || ownList.get() == before)
        return 0;
    page = view->GetCurrentPage();
    const bool sameDocument = document && document->GetCreationStamp() == sourceStamp;
    count = list->GetCount();
    for (FORMOBJ* o = list->GetHead(); o; o = o->GetNext()) {
        o->DropMasterIfZero(sameDocument ? 1 : 0, reinterpret_cast<uintptr_t>(view));
        o->SetPage(page);
        o->SetSelectFlag(1);
    }
    return 1;
}

std::unique_ptr<FOBJLIST> FSELECTION::TakeList()
{
    list = nullptr;
    count = 0;
    return std::move(ownList);
}

void FSELECTION::SetTextCopy(TextCopy copy)
{
    g_textCopy = copy;
}

int FSELECTION::Copy(OBJECT_VIEW* view, ui::DataSource* source)
{
    ui::DataSource clipboard;
    ui::DataSource& into = source ? *source : clipboard;
    if (!source && g_textCopy)
        if (FORMOBJ* one = GetSingle(); one && one->GetType() == kTypeText)
            g_textCopy(*one, view, into);

    io::MemoryFile typefaces;
    {
        io::Archive ar(typefaces, io::Archive::Store, kTransferBuffer);
        GetProgramFonts().WriteTable(ar);
        ar.Flush();
        ar.Close();
    }
    io::MemoryFile objects;
    CopyTo(objects, view ? view->GetObjectDocument() : nullptr);

    into.SetData(kFormatTypefaces, BytesOf(typefaces));
    into.SetData(kFormatSelection, BytesOf(objects));
    if (!source)
        return ui::SetClipboard(clipboard) ? 1 : 0;
    return 1;
}

void FSELECTION::PasteObjects(OBJECT_VIEW* view, const ui::DataObject* data)
{
    if (!view || !view->GetObjectDocument())
        return;
    std::optional<ui::DataObject> fromClipboard;
    if (!data)
        data = &fromClipboard.emplace(ui::DataObject::FromClipboard());
    const std::optional<std::string> typefaceBytes = data->GetData(kFormatTypefaces);
    if (!typefaceBytes)
        return;
    bool readable = false;
    const std::unique_ptr<FontFaces> typefaces = ReadTypefaces(*typefaceBytes, readable);
    if (!readable)
        return;
    const std::optional<std::string> selectionBytes = data->GetData(kFormatSelection);
    if (!selectionBytes)
        return;
    io::MemoryFile file = FileOf(*selectionBytes);
    PasteFrom(file, view, typefaces.get());
}
