// The text object: creation, copies, its appearance attributes and the
// operations of the object table that it answers itself.
#include "forms/objects/ftextobj.h"

#include "forms/fields/editor/edithandle.h"
#include "forms/fields/editor/field_edit_site.h"
#include "forms/model/object_view.h"
#include "forms/res/program_resources.h"

#include <algorithm>
#include <string>

namespace {

// String id of the sample text that the style manager shows.
constexpr int kSampleTextId = 121;

} // namespace

FTEXTOBJ::FTEXTOBJ() = default;

FTEXTOBJ::~FTEXTOBJ() = default;

int FTEXTOBJ::Init()
{
    return 1;
}

int FTEXTOBJ::Create(const TEXTATTR& font, uint8_t align)
{
    if (!Init())
        return 0;
    taFont = font;
    nAlign = align;
    return 1;
}

int FTEXTOBJ::SetText(std::string_view text)
{
    if (!TextLengthFits(text.substr(0, text.find('\0')).size()))
        return 0;
    return txText.Assign(text);
}

void FTEXTOBJ::TakeAppearanceFrom(FORMOBJ& source)
{
    FORMOBJ::TakeAppearanceFrom(source);
    if (auto* text = dynamic_cast<FTEXTOBJ*>(&source))
        txText.Copy(text->txText);
}

int FTEXTOBJ::AcceptsPlacement()
{
    return 1;
}

void FTEXTOBJ::OnEvent(uint8_t code, uintptr_t a, uintptr_t b)
{
    if (code != kAttrLineSpacing)
        return;
    DetachFromMaster();
    nLineSpacing = static_cast<uint16_t>(a);
    Invalidate(reinterpret_cast<OBJECT_VIEW*>(b));
}

int FTEXTOBJ::GetAttribute(int kind, uintptr_t out)
{
    if (master)
        return master->GetAttribute(kind, out);
    if (kind != kAttrLineSpacing)
        return 0;
    if (out)
        *reinterpret_cast<uint16_t*>(out) = nLineSpacing;
    return 1;
}

void FTEXTOBJ::SetAttribute(int kind, uintptr_t value)
{
    if (kind == kAttrLineSpacing && value)
        nLineSpacing = *reinterpret_cast<const uint16_t*>(value);
}

std::unique_ptr<FORMOBJ> FTEXTOBJ::Clone() const
{
    auto copy = std::make_unique<FTEXTOBJ>();
    if (!copy->Init())
        return nullptr;
    copy->txText.Copy(txText);
    if (master) {
        master->GetFont(&copy->taFont);
        master->GetAlignment(&copy->nAlign);
        master->GetAttribute(kAttrLineSpacing, reinterpret_cast<uintptr_t>(&copy->nLineSpacing));
    } else {
        copy->taFont = taFont;
        copy->nAlign = nAlign;
        copy->nLineSpacing = nLineSpacing;
    }
    copy->rotation = rotation;
    copy->viewRotation = viewRotation;
    FinishClone(*copy);
    return copy;
}

void FTEXTOBJ::ResetToDefaults()
{
    FORMOBJ::ResetToDefaults();
    taFont.Reset();
    if (!txText.Assign(ProgramResources().LoadString(kSampleTextId)))
        txText.Clear();
}

int FTEXTOBJ::GetFont(TEXTATTR* out)
{
    if (master)
        return master->GetFont(out);
    if (out)
        *out = taFont;
    return 1;
}

int FTEXTOBJ::GetAlignment(uint8_t* out)
{
    if (master)
        return master->GetAlignment(out);
    if (out)
        *out = nAlign;
    return 1;
}

void FTEXTOBJ::SetFont(const TEXTATTR& attr)
{
    // During an edit the format goes to the selected characters.
    if (pEditProxy) {
        pEditProxy->SetFont(attr);
        return;
    }
    if (pEditor) {
        pEditor->ApplyTextAttr(attr);
        return;
    }
    DetachFromMaster();
    taFont.Merge(attr);
    StripCodes(attr);
}

void FTEXTOBJ::SetAlignment(uint8_t align)
{
    DetachFromMaster();
    nAlign = align;
    if (pEditProxy)
        pEditProxy->SetAlignment(align);
    else if (pEditor)
        pEditor->SetAlignment(align);
}

void FTEXTOBJ::DetachFromMaster()
{
    if (!master)
        return;
    FORMOBJ* style = master;
    master = nullptr;
    style->GetFont(&taFont);
    style->GetAlignment(&nAlign);
    style->GetAttribute(kAttrLineSpacing, reinterpret_cast<uintptr_t>(&nLineSpacing));
}

int FTEXTOBJ::QueryAngle(uint16_t* out)
{
    if (out)
        *out = rotation;
    return 1;
}

int FTEXTOBJ::EditHookQuery(uintptr_t arg)
{
    const auto* table = reinterpret_cast<const TEXTREPLACEMENTS*>(arg);
    if (!table || !table->entries)
        return 1;
    const std::string_view text = txText.View();
    for (uint16_t i = 0; i < table->count; ++i) {
        const TEXTREPLACEMENT& entry = table->entries[i];
        if (!entry.key || !entry.replacement)
            continue;
        const size_t n = std::min<size_t>(text.size(), entry.keyLength);
        if (std::string_view(entry.key).substr(0, n) != text.substr(0, n))
            continue;
        std::string replaced;
        for (const char* p = entry.replacement; *p; ++p) {
            if (*p != '\r')
                replaced.push_back(*p);
        }
        txText.Assign(replaced);
        break;
    }
    return 1;
}
