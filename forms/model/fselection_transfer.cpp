// The selection in the record stream: its record format, and the copy of
// the selected objects into a stream and their paste into the selection's
// own private list.
#include "forms/model/fselection.h"

#include "forms/model/fobjlist.h"
#include "forms/model/int_exception.h"
#include "forms/model/object_document.h"
#include "forms/model/object_view.h"
#include "forms/model/record_archive.h"
#include "platform/io/archive.h"
#include "platform/io/archive_error.h"

namespace {

constexpr uint8_t kRecSourceStamp = 0x81;
constexpr uint8_t kListGroup = 0x29;
// Buffer of the archives that carry a selection.
constexpr size_t kTransferBuffer = 512;

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

int FSELECTION::PasteFrom(io::Stream& stream, OBJECT_VIEW* view)
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
        Load(rec, 0);
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
