// The table header: its records and fill, copies, its place from the table,
// its drawing and the rule that it is never left empty.
#include "forms/objects/fheader.h"

#include "forms/model/object_view.h"
#include "forms/model/record_archive.h"
#include "forms/model/shade.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/viewdc.h"
#include "forms/objects/fbdry.h"
#include "forms/objects/ftable.h"
#include "forms/objects/table_format.h"
#include "forms/objects/table_layout.h"

#include "platform/ui/cursor.h"

#include <new>

namespace {

// The fill's group and the text object's group inside the header's.
constexpr uint8_t kShadeGroupTag = 2;
constexpr uint8_t kTextGroupTag = kTypeText;

} // namespace

FHEADER::FHEADER() = default;

FHEADER::~FHEADER() = default;

int FHEADER::Init(
    const BASICSHADE& fill, const TEXTATTR& font, uint8_t align, FTABLE* owner, uint16_t atColumn, uint16_t atRow)
{
    shade.reset();
    std::unique_ptr<BASICSHADE> made;
    try {
        made = std::make_unique<BASICSHADE>();
    } catch (const std::bad_alloc&) {
        return 0;
    }
    if (!Create(font, align))
        return 0;
    made->Copy(fill);
    shade = std::move(made);
    SetPosition(owner, atColumn, atRow);
    SetText({});
    return SetText(DefaultText());
}

int FHEADER::InitDefault(FTABLE* owner, uint16_t atColumn, uint16_t atRow)
{
    TEXTATTR font;
    font.Reset();
    return Init(BASICSHADE(), font, kTableHeaderAlignment, owner, atColumn, atRow);
}

void FHEADER::SetPosition(FTABLE* owner, uint16_t atColumn, uint16_t atRow)
{
    table = owner;
    column = atColumn;
    row = atRow;
}

std::string FHEADER::DefaultText() const
{
    if (row == kNoTableIndex)
        return ColumnLetters(column);
    return std::to_string(row + 1);
}

int FHEADER::CopyHeader(const FHEADER& other)
{
    FTEXTOBJ::CopyFrom(other);
    SetText(other.GetText().View());
    TEXTATTR font;
    const_cast<FHEADER&>(other).GetFont(&font);
    uint8_t align = 0;
    const_cast<FHEADER&>(other).GetAlignment(&align);
    uint16_t spacing = kLineSpacingAuto;
    const_cast<FHEADER&>(other).GetAttribute(kAttrLineSpacing, reinterpret_cast<uintptr_t>(&spacing));
    // The other's look becomes this one's own, whatever master it has.
    FORMOBJ* keep = master;
    master = nullptr;
    SetFont(font);
    SetAlignment(align);
    SetAttribute(kAttrLineSpacing, reinterpret_cast<uintptr_t>(&spacing));
    master = keep;
    if (!shade || !other.shade)
        return 0;
    shade->Copy(*other.shade);
    return 1;
}

void FHEADER::Save(RECORDARCHIVE& ar, uint8_t tag)
{
    ar.WriteTag(tag);
    FTEXTOBJ::Save(ar, kTextGroupTag);
    if (shade)
        shade->Save(ar, kShadeGroupTag);
    ar.WriteTag(kEndGroup);
}

void FHEADER::Load(RECORDARCHIVE& ar, uintptr_t owner)
{
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup)
            return;
        if (tag == kShadeGroupTag) {
            if (!shade)
                shade = std::make_unique<BASICSHADE>();
            shade->Load(ar);
        } else if (tag == kTextGroupTag) {
            FTEXTOBJ::Load(ar, owner);
        } else {
            ar.SkipRecord(tag);
        }
    }
}

std::unique_ptr<FORMOBJ> FHEADER::Clone() const
{
    auto copy = std::make_unique<FHEADER>();
    TEXTATTR font;
    font.Reset();
    if (!copy->Init(shade ? *shade : BASICSHADE(), font, 0, table, column, row))
        return nullptr;
    copy->CopyHeader(*this);
    copy->rotation = rotation;
    FinishClone(*copy);
    return copy;
}

void FHEADER::GetRect(RECT& out) const
{
    if (table)
        table->GetHeaderRect(out, *this);
    else
        FTEXTOBJ::GetRect(out);
}

void FHEADER::Draw(VIEWDC& dc)
{
    RECT bounds;
    GetRect(bounds);
    if (!dc.dc || !dc.dc->RectVisible(bounds.Normalized().Offset(-dc.originX, -dc.originY)))
        return;
    if (!dc.fieldsOnly) {
        BASICSHADE fill;
        if (GetShade(&fill)) {
            RECT area = bounds;
            if (table)
                table->GetHeaderLineRect(area, dc, *this);
            fill.FillRect(dc, area);
        }
    }
    DrawText(dc, nullptr);
}

int FHEADER::GetShade(BASICSHADE* out)
{
    if (master)
        return master->GetShade(out);
    if (out && shade)
        out->Copy(*shade);
    return 1;
}

void FHEADER::SetShade(const BASICSHADE& fill)
{
    if (master)
        DetachFromMaster();
    if (shade)
        shade->Copy(fill);
}

int FHEADER::SetCursor(OBJECT_VIEW* view, int hitCode)
{
    return SetCursorOnHandles(view, hitCode, ui::StandardCursor::Arrow);
}

int FHEADER::HitTestHandles(VIEWDC& dc, int32_t x, int32_t y)
{
    return FTEXTOBJ::HitTestHandles(dc, x, y) == kHitInside ? kHitInside : kHitNothing;
}

int FHEADER::TakeEditorText()
{
    const int answer = FTEXTOBJ::TakeEditorText();
    if (answer != 0)
        return answer;
    if (!SetText(" "))
        RECORDARCHIVE::ThrowLoadMemoryError();
    return 1;
}

uint16_t FHEADER::Deselect(OBJECT_VIEW*)
{
    const RECT place = rect;
    // Without a view the text object neither deletes itself nor fits its
    // height to its text.
    const uint16_t answer = FTEXTOBJ::Deselect(nullptr);
    FORMOBJ::SetRect(place.left, place.top, place.right, place.bottom);
    return answer;
}
