// The object base: construction, persistence of the base group, selection,
// invalidation, appearance dialog and the operations whose base answers are
// fixed values.
#include "forms/model/formobj.h"

#include "forms/model/border.h"
#include "forms/model/fixed_record.h"
#include "forms/model/object_document.h"
#include "forms/model/object_view.h"
#include "forms/model/record_archive.h"
#include "forms/model/viewdc.h"
#include "forms/res/command_ids.h"

namespace {

// Records of the base group.
constexpr uint8_t kRecPageRect = 0x81;
constexpr uint8_t kRecName = 0x82;
constexpr uint8_t kRecMaster = 0x83;
constexpr uint8_t kRecRotation = 0x84;

// Commands sent after the appearance sheet's "go on" answer.
constexpr int kSheetOk = 1;
constexpr int kSheetDataProperties = 20;

} // namespace

FORMOBJ::FORMOBJ() = default;

FORMOBJ::~FORMOBJ() = default;

void FORMOBJ::Save(RECORDARCHIVE& ar, uint8_t tag)
{
    ar.WriteTag(tag);

    ar.BeginRecord();
    ar.PutU16(page);
    ar.PutI32(rect.left);
    ar.PutI32(rect.top);
    ar.PutI32(rect.right);
    ar.PutI32(rect.bottom);
    ar.EndRecord(kRecPageRect);

    ar.BeginRecord();
    ar.PutString(name);
    ar.EndRecord(kRecName);

    // The own attribute members take the master's appearance first, so that
    // a reader without the style sees the object unchanged.
    if (master) {
        FORMOBJ* style = master;
        DetachFromMaster();
        SetMaster(style);
    }
    if (master) {
        ar.BeginRecord();
        ar.PutString(master->GetName());
        ar.EndRecord(kRecMaster);
    }

    ar.BeginRecord();
    ar.PutU16(rotation);
    ar.EndRecord(kRecRotation);

    ar.WriteTag(kEndGroup);
}

void FORMOBJ::Load(RECORDARCHIVE& ar, uintptr_t)
{
    for (;;) {
        uint8_t tag = ar.ReadTag();
        switch (tag) {
        case kEndGroup:
            trackRect = rect;
            rectRotation.Set(rect.left, rect.top, rect.right, rect.bottom, rotation);
            return;
        case kRecPageRect: {
            RecordReader rec = ReadFixedRecord(ar);
            page = rec.U16(page);
            int32_t left = rec.I32(rect.left);
            int32_t top = rec.I32(rect.top);
            int32_t right = rec.I32(rect.right);
            int32_t bottom = rec.I32(rect.bottom);
            selected = 0;
            SetRect(left, top, right, bottom);
            break;
        }
        case kRecName:
            name = ar.ReadRecord().String();
            break;
        case kRecMaster: {
            std::string styleName = ar.ReadRecord().String();
            OBJECT_DOCUMENT* doc = ar.GetDocument();
            master = doc ? doc->FindObjectByName(GetType(), styleName) : nullptr;
            break;
        }
        case kRecRotation:
            rotation = ReadFixedRecord(ar).U16(rotation);
            break;
        default:
            ar.SkipRecord(tag);
            break;
        }
    }
}

int FORMOBJ::IsDrawnIn(VIEWDC& dc)
{
    return dc.fieldsOnly ? 0 : 1;
}

FORMOBJ* FORMOBJ::ObjectAt(VIEWDC&, int32_t, int32_t)
{
    return nullptr;
}

void FORMOBJ::SetSelectFlag(uint16_t flag)
{
    selected = flag;
}

void FORMOBJ::GetMaxSize(SIZE& out)
{
    out = {kMaxExtent, kMaxExtent};
}

void FORMOBJ::GetMinSize(SIZE& out)
{
    out = minSize;
}

int FORMOBJ::CanBeGrouped()
{
    uint8_t type = GetType();
    return type == kTypeOle || type == kTypePicture ? 0 : 1;
}

void FORMOBJ::Select(OBJECT_VIEW* view)
{
    if (selected != 0)
        return;
    if (view)
        view->NoteSelected(1);
    selected = 1;
}

uint16_t FORMOBJ::Deselect(OBJECT_VIEW* view)
{
    if (view) {
        view->NoteDeselected(1);
        Redraw(view);
    }
    selected = 0;
    return 0;
}

void FORMOBJ::InvalidateIfMaster(OBJECT_VIEW* view, FORMOBJ* style)
{
    if (GetMaster() == style)
        Invalidate(view);
}

int FORMOBJ::ShowProperties(OBJECT_VIEW* view)
{
    return ShowAppearanceDialog(view, kObjectAppearanceCaption);
}

int FORMOBJ::AcceptsPlacement()
{
    return 0;
}

void FORMOBJ::SetRectFor(VIEWDC&, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    SetRect(left, top, right, bottom);
}

int FORMOBJ::ApplyMasterIfType(uint8_t type, FORMOBJ* style, OBJECT_VIEW* view)
{
    if (GetType() != type)
        return 0;
    Invalidate(view);
    SetMaster(style);
    Invalidate(view);
    return 1;
}

void FORMOBJ::OnEvent(uint8_t, uintptr_t, uintptr_t)
{}

void FORMOBJ::SetRotation(uint16_t angle, OBJECT_VIEW* view)
{
    Invalidate(view);
    rotation = angle;
    rectRotation.Set(trackRect.left, trackRect.top, trackRect.right, trackRect.bottom, angle);
    if (view) {
        RECT device = trackRect;
        view->ToDeviceRect(device);
        viewRotation.Set(device.left, device.top, device.right, device.bottom, angle);
    }
    Invalidate(view);
}

int FORMOBJ::SetUp(OBJECT_VIEW*)
{
    return 1;
}

int FORMOBJ::HasSetUp()
{
    return 0;
}

int FORMOBJ::ExtQuery()
{
    return 0;
}

int FORMOBJ::ExtAccepts(uintptr_t)
{
    return 1;
}

void FORMOBJ::ExtRefresh(uintptr_t)
{}

void FORMOBJ::DropMasterIfZero(int flag, uintptr_t)
{
    if (flag == 0)
        SetMaster(nullptr);
}

void FORMOBJ::ExtNotify(uintptr_t)
{}

void FORMOBJ::Offset(int32_t dx, int32_t dy, OBJECT_VIEW* view)
{
    Invalidate(view);
    SetRectBy(rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy);
    Invalidate(view);
}

int FORMOBJ::ChangeBorder(const BORDER& border, OBJECT_VIEW* view)
{
    Invalidate(view);
    SetBorder(border);
    Invalidate(view);
    return 1;
}

int FORMOBJ::ChangeShade(const BASICSHADE& shade, OBJECT_VIEW* view)
{
    SetShade(shade);
    Invalidate(view);
    return 1;
}

int FORMOBJ::ChangeShadow(const SHADOW& shadow, OBJECT_VIEW* view)
{
    Invalidate(view);
    SetShadow(shadow);
    Invalidate(view);
    return 1;
}

int FORMOBJ::ShowAppearanceDialog(OBJECT_VIEW* view, uint16_t captionId)
{
    if (!view)
        return 0;
    view->RecordSelectionUndo();
    view->SetAppearanceSheetOpen(true);
    Redraw(view);
    int result = view->RunAppearanceSheet(captionId, *this);
    view->SetAppearanceSheetOpen(false);
    if (result < 0) {
        view->DropLastUndo();
        RECORDARCHIVE::ThrowLoadMemoryError();
    }
    bool kept = result == kSheetOk || result == kSheetDataProperties;
    if (!kept)
        view->UndoLast();
    view->DropLastUndo();
    Invalidate(view);
    if (result == kSheetDataProperties) {
        view->PostCommand(GetType() == kTypeButton ? ID_EDIT_BUTTON_ACTIONS : ID_EDIT_DATA_PROPERTIES);
        view->SetFocus();
    }
    return kept ? 1 : 0;
}

void FORMOBJ::Redraw(OBJECT_VIEW* view)
{
    Invalidate(view);
}

int FORMOBJ::NeedsConversionFor(uintptr_t)
{
    return 0;
}

int FORMOBJ::IsSavableIn(uint16_t)
{
    return 1;
}

uint8_t FORMOBJ::BeginEdit(uintptr_t, uintptr_t, uintptr_t)
{
    return 5;
}

void FORMOBJ::SetEditorText(uintptr_t)
{}

void FORMOBJ::ShowEditor()
{}

void FORMOBJ::EndEdit()
{}

int FORMOBJ::GetAttribute(int, uintptr_t)
{
    return 0;
}

void FORMOBJ::Invalidate(OBJECT_VIEW* view)
{
    if (!view)
        return;
    VIEWDC dc(view, kOwnWindow);
    if (!dc.IsSetUp())
        return;
    if (rotation == 0) {
        RECT update;
        GetUpdateRect(update, dc, 1);
        view->InvalidateRect(update, true);
    } else {
        Outline outline;
        GetRegion(outline, dc, 1, nullptr);
        view->InvalidateOutline(outline, true);
    }
    if (view->IsActiveView())
        view->UpdateAllViews(0, this);
}

void FORMOBJ::ExtRelease(uintptr_t)
{}

std::unique_ptr<FORMOBJ> FORMOBJ::Clone() const
{
    return nullptr;
}

void FORMOBJ::FinishClone(FORMOBJ& copy) const
{
    copy.SetMaster(master);
    copy.SetPage(0);
    copy.SetRect(rect.left, rect.top, rect.right, rect.bottom);
    copy.SetSelectFlag(0);
}

BORDER* FORMOBJ::SetOwnBorder(const std::unique_ptr<BORDER>& own, const BORDER& border, uint32_t roundedFlag)
{
    if (master)
        DetachFromMaster();
    if (!own)
        return nullptr;
    own->Copy(border);
    own->roundedFlag = roundedFlag;
    return own.get();
}

void FORMOBJ::CopyFrom(const FORMOBJ& source)
{
    page = source.page;
    master = source.master;
    rect = source.rect;
    trackRect = source.rect;
    rotation = source.rotation;
    viewRotation = source.viewRotation;
    rectRotation = source.rectRotation;
}

int FORMOBJ::ExtCheck(std::string&, uintptr_t)
{
    return 1;
}

void FORMOBJ::GetFullName(std::string& out) const
{
    out = name;
}

void FORMOBJ::SetPage(uint16_t newPage)
{
    page = newPage;
}

int FORMOBJ::ExtCheck6(FOBJLIST*, uint16_t, int32_t, int32_t, int32_t, int32_t)
{
    return 1;
}

uint16_t FORMOBJ::CountImages()
{
    return 0;
}

int FORMOBJ::GetImageId(uint32_t&)
{
    return 0;
}

uint8_t FORMOBJ::ImageQuery(uintptr_t)
{
    return 0;
}

void FORMOBJ::SetImageId(uint32_t)
{}

void FORMOBJ::ResetToDefaults()
{
    // The angle is cleared first so that the rectangle's rotation is set
    // up unturned.
    rotation = 0;
    SetRectBy(190, 190, 1250, 1250);
    page = 1;
    next = nullptr;
    prev = nullptr;
    name.clear();
    selected = 0;
    master = nullptr;
}

void FORMOBJ::SetMemberSelected(uint32_t flag)
{
    memberSelected = flag;
}

int FORMOBJ::IsSelected(FORMOBJ** out)
{
    bool on = selected == 1;
    if (out)
        *out = on ? this : nullptr;
    return on ? 1 : 0;
}

int FORMOBJ::CanAlign()
{
    return 1;
}

int FORMOBJ::CanCut()
{
    return 1;
}

int FORMOBJ::CanCopy()
{
    return 1;
}

int FORMOBJ::QueryAngle(uint16_t* out)
{
    if (out)
        *out = 0;
    return 1;
}

int FORMOBJ::GetRichText(uintptr_t* out)
{
    if (out)
        *out = 0;
    return 0;
}

int FORMOBJ::EditHookQuery(uintptr_t)
{
    return 1;
}

int FORMOBJ::EditHookState()
{
    return 0;
}

void FORMOBJ::EditHookCommand(uintptr_t)
{}

void FORMOBJ::EditHookReset()
{}

int FORMOBJ::HasOleItem(uintptr_t)
{
    return 0;
}

int FORMOBJ::HasOleItemAlt(uintptr_t)
{
    return 0;
}

uint16_t FORMOBJ::DeleteMembersOfType(uint8_t)
{
    return 0;
}

int FORMOBJ::GetNextWord(OBJECT_VIEW*, char*, int)
{
    return kNoMoreWords;
}

void FORMOBJ::ReplaceWord(const char*)
{}

void FORMOBJ::ShowWord()
{}

void FORMOBJ::EndCheck()
{}
