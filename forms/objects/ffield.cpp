// The field: creation, copies, attributes, value list and identity.
#include "forms/objects/ffield.h"

#include "forms/fields/datatypes/check_datatype.h"
#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/fields/datatypes/fieldvalues.h"
#include "forms/fields/datatypes/textdatatype.h"
#include "forms/model/border.h"
#include "forms/model/default_printer.h"
#include "forms/model/fobjlist.h"
#include "forms/model/master_or_own.h"
#include "forms/model/object_document.h"
#include "forms/model/object_view.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/res/program_resources.h"

#include "forms/model/font_metrics_cache.h"
#include "forms/model/screen_surface.h"
#include "forms/model/viewdc.h"

#include "platform/text/cp1252.h"
#include "platform/ui/message_box.h"

#include <algorithm>
#include <climits>
#include <new>

namespace {

constexpr uint16_t kFieldPrefixId = 131; // "Field_"
constexpr uint16_t kSampleTextId = 121; // "AaBbYyZz"
constexpr uint16_t kFieldNameTakenId = 123;
constexpr uint16_t kPlainSize = 240;
// Where field text is measured: the default printer's widths.
constexpr int8_t kLayoutSlot = 0;

enum : uint8_t {
    kCodeDataType = 1,
    kCodeValues = 2,
    kCodeHelp = 3,
    kCodeLineSpacing = 4,
    kCodeMandatory = 5,
    kCodeProtected = 6,
    kCodeSaveInDb = 7,
    kCodeName = 8,
};

OBJECT_DOCUMENT* DocumentOf(OBJECT_VIEW* view)
{
    return view ? view->GetObjectDocument() : nullptr;
}

} // namespace

FFIELD::FFIELD() = default;

FFIELD::~FFIELD() = default;

int FFIELD::MakeAttributes()
{
    try {
        pBorder = std::make_unique<BORDER>();
        pBorder->roundedFlag = 1;
        pShade = std::make_unique<BASICSHADE>();
        pShadow = std::make_unique<SHADOW>();
    } catch (const std::bad_alloc&) {
        pBorder.reset();
        pShade.reset();
        pShadow.reset();
        return 0;
    }
    return 1;
}

int FFIELD::Init()
{
    pBorder.reset();
    pShade.reset();
    pShadow.reset();
    pDataType.reset();
    if (!MakeAttributes())
        return 0;
    try {
        auto text = std::make_unique<TEXTDATATYPE>();
        if (text->InitialiseValue())
            pDataType = std::move(text);
    } catch (const std::bad_alloc&) {
    }
    if (!pDataType) {
        pBorder.reset();
        pShade.reset();
        pShadow.reset();
        return 0;
    }
    return 1;
}

int FFIELD::InitWithFont(const TEXTATTR& font)
{
    if (!Init())
        return 0;
    taFont = font;
    return 1;
}

int FFIELD::CreateAs(
    uint8_t alignment, const BORDER& border, const BASICSHADE& shade, const TEXTATTR& font, const SHADOW& shadow)
{
    if (!InitWithFont(font))
        return 0;
    SetBorder(border);
    pShade->Copy(shade);
    nAlign = alignment;
    *pShadow = shadow;
    return 1;
}

int FFIELD::CreateAsWithList(uint8_t alignment, const BORDER& border, const BASICSHADE& shade, const TEXTATTR& font,
    const SHADOW& shadow, bool withList)
{
    if (withList)
        pValues = std::make_unique<LISTBOXVALUES>();
    return CreateAs(alignment, border, shade, font, shadow);
}

int FFIELD::SetType(uint8_t kind, uint8_t alignment, const BORDER& border, const BASICSHADE& shade,
    const TEXTATTR& font, const SHADOW& shadow)
{
    if (!CreateAs(alignment, border, shade, font, shadow))
        return 0;
    if (kind == kKindCheckBox) {
        std::unique_ptr<DATATYPE> box = CreateDataType(kKindCheckBox);
        if (!box)
            return 0;
        pDataType = std::move(box);
        nAlign = kCheckBoxAlignment;
    }
    return 1;
}

std::unique_ptr<FFIELD> FFIELD::CreateNamed(std::string_view name, uint16_t fieldId)
{
    TEXTATTR plain;
    plain.size = kPlainSize;
    auto field = std::make_unique<FFIELD>();
    if (!field->InitWithFont(plain))
        return nullptr;
    field->SetName(name);
    field->nFieldId = fieldId;
    return field;
}

std::unique_ptr<FFIELD> FFIELD::CreateNamed(uint16_t stringId, uint16_t fieldId)
{
    return CreateNamed(ProgramResources().LoadString(stringId), fieldId);
}

bool FFIELD::IsTextType() const
{
    return dynamic_cast<const TEXTDATATYPE*>(pDataType.get()) != nullptr;
}

bool FFIELD::IsRadioButton() const
{
    const auto* box = dynamic_cast<const CHECK_DATATYPE*>(pDataType.get());
    return box && box->bRadio;
}

FOBJLIST* FFIELD::GetRadioGroup() const
{
    if (!IsRadioButton())
        return nullptr;
    // A list the field has left since the group told it answers nothing.
    const std::shared_ptr<FOBJLIST> list = wpHoldingList.lock();
    return list && list->Contains(this) ? list.get() : nullptr;
}

void FFIELD::SetRadioGroup(const void* group)
{
    if (auto* box = dynamic_cast<CHECK_DATATYPE*>(pDataType.get()))
        box->SetRadio(group != nullptr);
}

void FFIELD::SetCheck(int checked)
{
    if (auto* box = dynamic_cast<CHECK_DATATYPE*>(pDataType.get()))
        box->nChecked = checked ? 1 : 0;
}

void FFIELD::ToggleCheck(OBJECT_VIEW* view)
{
    if (pDataType)
        pDataType->Toggle(reinterpret_cast<uintptr_t>(view), reinterpret_cast<uintptr_t>(this));
}

void FFIELD::UncheckRadioGroup(OBJECT_VIEW* view, int tellFormulas)
{
    CHECK_DATATYPE::UncheckOthers(view, *this, tellFormulas);
}

void FFIELD::RepaintValue(OBJECT_VIEW* view)
{
    if (pDataType)
        pDataType->InvalidateOwner(reinterpret_cast<uintptr_t>(view), reinterpret_cast<uintptr_t>(this));
}

bool FFIELD::IsCheckBox() const
{
    return pDataType && pDataType->GetTypeTag() == kKindCheckBox;
}

int FFIELD::IsCalculable() const
{
    if (!pDataType)
        return 0;
    switch (pDataType->GetTypeTag()) {
    case kKindNumber:
    case kKindDate:
    case kKindText:
    case kKindCheckBox:
    case kKindMemo:
        return 1;
    default:
        return 0;
    }
}

int FFIELD::NeedsConversionFor(uintptr_t)
{
    if (!pDataType)
        return 0;
    const uint8_t tag = pDataType->GetTypeTag();
    return tag == kKindBarcode || tag == kKindPicture ? 1 : 0;
}

void FFIELD::SetListBottom(int32_t bottom)
{
    // Worked out wide: a damaged file may put either edge anywhere.
    PlaceListExtent(static_cast<int32_t>(std::clamp<int64_t>(int64_t {bottom} - rect.bottom, 0, INT32_MAX)));
}

void FFIELD::PlaceListExtent(int32_t height)
{
    // The list's bottom edge stays a coordinate.
    const int32_t room = rect.bottom > 0 ? INT32_MAX - rect.bottom : INT32_MAX;
    nListHeight = std::clamp(height, 0, room);
}

void FFIELD::SetValueList(const FIELDVALUES* values, OBJECT_VIEW* view)
{
    if (!values) {
        pValues.reset();
        return;
    }
    std::unique_ptr<FIELDVALUES> copy = values->Clone();
    if (!copy)
        return;
    if (!pValues) {
        const int32_t height = rect.bottom - rect.top;
        if (rect.right - rect.left < kListFieldMinWidth) {
            int32_t left = rect.left;
            int32_t right = left + kListFieldMinWidth;
            bool fits = !view || view->IsValidPlacement(left, rect.top, right, rect.bottom, this);
            if (!fits) {
                right = rect.right;
                left = right - kListFieldMinWidth;
                fits = view->IsValidPlacement(left, rect.top, right, rect.bottom, this);
            }
            if (!fits)
                return;
            SetRect(left, rect.top, right, rect.bottom);
        }
        PlaceListExtent(height);
        CutToOneLine(view);
    }
    pValues = std::move(copy);
}

int32_t FFIELD::GetFontHeight()
{
    FONTMETRICSCACHE* cache = GetFontMetricsCache();
    if (!cache)
        return 0;
    TEXTATTR font;
    GetFont(&font);
    gdi::TEXTMETRIC metrics;
    cache->GetFont(kDeviceWindow, kDefaultPrinterId, kLayoutSlot, font, 0, &metrics, nullptr);
    return metrics.tmAscent + metrics.tmDescent;
}

int32_t FFIELD::OneLineHeight(OBJECT_VIEW* view)
{
    const int32_t fontHeight = GetFontHeight();
    if (fontHeight <= 0)
        return 0;
    // The border's inside is measured on the view's window; without a view
    // on the screen at 100 %, so that the line still holds the text.
    int32_t margin = 0;
    RECT inner;
    if (view) {
        VIEWDC dc(view);
        if (dc.dc && view->SetupOwnDC(dc)) {
            GetInnerRect(inner, dc);
            margin = inner.top - rect.top;
        }
    } else {
        gdi::DC screen(ScreenSurface());
        VIEWDC dc;
        dc.dc = &screen;
        dc.SetMapMode(gdi::MM_ANISOTROPIC);
        dc.SetWindowExt(1440, 1440);
        dc.SetViewportExt(screen.GetDeviceCaps(gdi::LOGPIXELSX), screen.GetDeviceCaps(gdi::LOGPIXELSY));
        GetInnerRect(inner, dc);
        margin = inner.top - rect.top;
    }
    return fontHeight + 2 * margin;
}

void FFIELD::CutToOneLine(OBJECT_VIEW* view)
{
    const int32_t line = OneLineHeight(view);
    if (line > 0 && rect.bottom - rect.top > line)
        SetRect(rect.left, rect.top, rect.right, rect.top + line);
}

int FFIELD::ChangeFont(const TEXTATTR& attr, OBJECT_VIEW* view)
{
    TEXTATTR before;
    GetFont(&before);
    if (!FORMOBJ::ChangeFont(attr, view))
        return 0;
    // A list field shows one line: a smaller font makes it one line of that
    // font.
    if (pValues && attr.size != kMixedWord && attr.size < before.size) {
        if (const int32_t line = OneLineHeight(view); line > 0) {
            Invalidate(view);
            SetRect(rect.left, rect.top, rect.right, rect.top + line);
            Invalidate(view);
        }
    }
    return 1;
}

void FFIELD::SetLineSpacing(uint16_t spacing, OBJECT_VIEW* view)
{
    if (master)
        DetachFromMaster();
    nLineSpacing = spacing;
    Invalidate(view);
}

void FFIELD::SetDataType(const DATATYPE& type, OBJECT_VIEW* view)
{
    std::unique_ptr<DATATYPE> copy = type.Clone();
    if (!copy)
        return;
    Invalidate(view);
    pDataType = std::move(copy);
    if (auto* box = dynamic_cast<CHECK_DATATYPE*>(pDataType.get())) {
        nAlign = box->nTextPos ? 1 : 0;
        const int32_t fontHeight = GetFontHeight();
        if (fontHeight > 0 && rect.bottom - rect.top > fontHeight)
            SetRect(rect.left, rect.top, rect.right, rect.top + fontHeight);
    }
    Invalidate(view);
}

void FFIELD::OnEvent(uint8_t code, uintptr_t a, uintptr_t b)
{
    auto* view = reinterpret_cast<OBJECT_VIEW*>(b);
    switch (code) {
    case kCodeDataType:
        if (a)
            SetDataType(*reinterpret_cast<const DATATYPE*>(a), view);
        break;
    case kCodeValues:
        SetValueList(reinterpret_cast<const FIELDVALUES*>(a), view);
        break;
    case kCodeHelp:
        strHelp = a ? reinterpret_cast<const char*>(a) : "";
        break;
    case kCodeLineSpacing:
        SetLineSpacing(static_cast<uint16_t>(a), view);
        break;
    case kCodeMandatory:
        if (a == 0 || !bProtected)
            bMandatory = a ? 1 : 0;
        break;
    case kCodeProtected:
        bProtected = a ? 1 : 0;
        break;
    case kCodeSaveInDb:
        bSaveInDb = a ? 1 : 0;
        break;
    case kCodeName:
        if (a)
            SetName(reinterpret_cast<const char*>(a));
        break;
    default:
        break;
    }
}

void FFIELD::ExtRefresh(uintptr_t arg)
{
    auto* document = reinterpret_cast<OBJECT_DOCUMENT*>(arg);
    if (!document)
        return;
    std::string fresh;
    SetName(GetDefaultName(fresh, static_cast<int16_t>(document->GetNextObjectNumber())));
    nFieldId = document->GetNextFieldID();
    if (pValues && nListHeight == 0)
        PlaceListExtent(rect.bottom - rect.top);
}

void FFIELD::DropMasterIfZero(int flag, uintptr_t arg)
{
    FORMOBJ::DropMasterIfZero(flag, arg);
    // A radio button alone in its list is an ordinary check box.
    if (IsRadioButton() && !prev && !next)
        SetRadioGroup(nullptr);
    OBJECT_DOCUMENT* document = DocumentOf(reinterpret_cast<OBJECT_VIEW*>(arg));
    if (!document)
        return;
    std::string fresh;
    if (flag) {
        if (FORMOBJ* other = document->FindObjectOfTypeByName(kTypeField, name); other && other != this) {
            SetName(GetDefaultName(fresh, static_cast<int16_t>(document->GetNextObjectNumber())));
            nFieldId = document->GetNextFieldID();
        }
        return;
    }
    nFieldId = document->GetNextFieldID();
    FORMOBJ* other = document->FindObjectOfTypeByName(kTypeField, name);
    if ((other && other != this) || CheckName(name) != 0)
        SetName(GetDefaultName(fresh, static_cast<int16_t>(document->GetNextObjectNumber())));
}

void FFIELD::GetTypeName(std::string& out) const
{
    out = ProgramResources().LoadString(kFieldPrefixId);
}

int FFIELD::ExtCheck(std::string& newName, uintptr_t a)
{
    if (const uint16_t refusal = CheckName(newName)) {
        ui::MessageBox(ProgramResources().LoadString(refusal), {});
        return 0;
    }
    newName.erase(0, newName.find_first_not_of(' '));
    newName = text::ToLower(newName);
    if (!newName.empty())
        newName[0] = static_cast<char>(text::ToUpper(static_cast<unsigned char>(newName[0])));
    auto* document = reinterpret_cast<OBJECT_DOCUMENT*>(a);
    if (document) {
        FORMOBJ* other = document->FindObjectOfTypeByName(kTypeField, newName);
        if (other && other != this) {
            ui::MessageBox(ProgramResources().LoadString(kFieldNameTakenId), {});
            return 0;
        }
    }
    return 1;
}

int FFIELD::ShowProperties(OBJECT_VIEW* view)
{
    return ShowAppearanceDialog(view, kFieldAppearanceCaption);
}

int FFIELD::GetAttribute(int kind, uintptr_t out)
{
    // A master lends appearance only: the data type, values and help text
    // are always the field's own.
    if (master && kind == 4)
        return master->GetAttribute(kind, out);
    switch (kind) {
    case 1:
        if (out)
            *reinterpret_cast<DATATYPE**>(out) = pDataType.get();
        return 1;
    case 2:
        if (out)
            *reinterpret_cast<FIELDVALUES**>(out) = pValues.get();
        return 1;
    case 3:
        if (out)
            *reinterpret_cast<std::string*>(out) = strHelp;
        return 1;
    case 4:
        if (!IsTextType())
            return 0;
        if (out)
            *reinterpret_cast<uint16_t*>(out) = nLineSpacing;
        return 1;
    case 5:
    case 6:
    case 7:
        // The entry switches, as the data properties sheet reads them.
        if (out)
            *reinterpret_cast<uint8_t*>(out) = kind == 5 ? bMandatory : kind == 6 ? bProtected : bSaveInDb;
        return 1;
    default:
        return 0;
    }
}

void FFIELD::SetAttribute(int kind, uintptr_t value)
{
    if (kind == 4 && value)
        nLineSpacing = *reinterpret_cast<const uint16_t*>(value);
}

void FFIELD::Invalidate(OBJECT_VIEW* view)
{
    FORMOBJ::Invalidate(view);
    InvalidateValue(view);
}

void FFIELD::InvalidateValue(OBJECT_VIEW* view)
{
    if (pDataType && view) {
        RECT r;
        pDataType->GetEditRect(r, view, this, 1);
    }
}

std::unique_ptr<FORMOBJ> FFIELD::Clone() const
{
    auto copy = std::make_unique<FFIELD>();
    if (!copy->Init())
        return nullptr;
    BORDER line;
    BASICSHADE fill;
    SHADOW drop;
    TEXTATTR font;
    uint8_t align = nAlign;
    auto* self = const_cast<FFIELD*>(this);
    self->GetBorder(&line);
    self->GetShade(&fill);
    self->GetShadow(&drop);
    self->GetFont(&font);
    self->GetAlignment(&align);
    *copy->pBorder = line;
    copy->pShade->Copy(fill);
    *copy->pShadow = drop;
    copy->taFont = font;
    copy->nAlign = align;
    copy->nLineSpacing = nLineSpacing;
    FinishClone(*copy);
    copy->name = name;
    if (pDataType) {
        std::unique_ptr<DATATYPE> type = pDataType->Clone();
        if (!type)
            return nullptr;
        copy->pDataType = std::move(type);
    }
    copy->bProtected = bProtected;
    copy->bMandatory = bMandatory;
    copy->bSaveInDb = bSaveInDb;
    if (pValues)
        copy->pValues = pValues->Clone();
    copy->PlaceListExtent(ListHeight());
    copy->strHelp = strHelp;
    return copy;
}

void FFIELD::CopyAttributesFrom(const FFIELD& other)
{
    if (other.pShade && pShade)
        pShade->Copy(*other.pShade);
    if (other.pBorder && pBorder)
        *pBorder = *other.pBorder;
    if (other.pShadow && pShadow)
        *pShadow = *other.pShadow;
    taFont = other.taFont;
    nLineSpacing = other.nLineSpacing;
    nAlign = other.nAlign;
    if (other.pDataType)
        if (std::unique_ptr<DATATYPE> type = other.pDataType->Clone())
            pDataType = std::move(type);
    pValues = other.pValues ? other.pValues->Clone() : nullptr;
    PlaceListExtent(other.ListHeight());
    strHelp = other.strHelp;
    bProtected = other.bProtected;
    bMandatory = other.bMandatory;
    bSaveInDb = other.bSaveInDb;
}

void FFIELD::ResetToDefaults()
{
    FORMOBJ::ResetToDefaults();
    taFont.Reset();
    if (pDataType && pDataType->GetTypeTag() == kKindText) {
        std::string message;
        pDataType->StoreText(ProgramResources().LoadString(kSampleTextId));
    }
}

int FFIELD::GetBorder(BORDER* out)
{
    if (pDataType && pDataType->GetTypeTag() == kKindBarcode)
        return 0;
    return AnswerMasterOrOwn(master, &FORMOBJ::GetBorder, pBorder.get(), out);
}

int FFIELD::GetShadow(SHADOW* out)
{
    if (pDataType && pDataType->GetTypeTag() == kKindBarcode)
        return 0;
    return AnswerMasterOrOwn(master, &FORMOBJ::GetShadow, pShadow.get(), out);
}

int FFIELD::GetShade(BASICSHADE* out)
{
    return AnswerMasterOrOwn(master, &FORMOBJ::GetShade, pShade.get(), out);
}

int FFIELD::GetFont(TEXTATTR* out)
{
    return AnswerMasterOrOwn(master, &FORMOBJ::GetFont, &taFont, out);
}

int FFIELD::GetAlignment(uint8_t* out)
{
    return AnswerMasterOrOwn(master, &FORMOBJ::GetAlignment, &nAlign, out);
}

void FFIELD::SetBorder(const BORDER& border)
{
    SetOwnBorder(pBorder, border, 1);
}

void FFIELD::SetShade(const BASICSHADE& shade)
{
    if (master)
        DetachFromMaster();
    if (pShade)
        pShade->Copy(shade);
}

void FFIELD::SetShadow(const SHADOW& shadow)
{
    if (master)
        DetachFromMaster();
    if (pShadow)
        *pShadow = shadow;
}

void FFIELD::SetFont(const TEXTATTR& attr)
{
    if (master)
        DetachFromMaster();
    taFont.Merge(attr);
}

void FFIELD::SetAlignment(uint8_t align)
{
    if (master)
        DetachFromMaster();
    nAlign = align;
}
