#include "forms/app/tools/sample_field_page.h"

#include "forms/fields/datatypes/check_datatype.h"
#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/fields/datatypes/datatype_texts.h"
#include "forms/fields/datatypes/datedatatype.h"
#include "forms/fields/datatypes/fieldvalues.h"
#include "forms/fields/datatypes/numberdatatype.h"
#include "forms/fields/datatypes/numberformat.h"
#include "forms/fields/datatypes/textdatatype.h"
#include "forms/model/border.h"
#include "forms/model/fontface.h"
#include "forms/model/program_fonts.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"

#include <algorithm>
#include <string>

namespace {

constexpr uint8_t kSwiss = 0x22;
constexpr int32_t kLeft = 2880;
// The labels' column: from the left margin to a little short of the fields.
constexpr int32_t kLabelLeft = 720;
constexpr int32_t kLabelGap = 144;
constexpr int32_t kLabelHeight = 300;
constexpr int32_t kRight = 7200;
constexpr int32_t kRow = 600;
constexpr int32_t kFirstRow = 1080;

} // namespace

std::unique_ptr<FFIELD> MakeSampleField(const TEXTATTR& font, uint8_t kind, const char* name, int row, int32_t height)
{
    auto field = std::make_unique<FFIELD>();
    BORDER border;
    border.roundedFlag = 1;
    if (!field->SetType(kind, 0, border, BASICSHADE(), font, SHADOW()))
        return nullptr;
    if (kind != kKindCheckBox && kind != kKindText)
        field->SetDataType(*CreateDataType(kind), nullptr);
    const int32_t top = kFirstRow + row * kRow;
    field->SetRect(kLeft, top, kRight, top + height);
    field->SetName(name);
    return field;
}

std::unique_ptr<FTEXTOBJ> MakeSampleLabel(const TEXTATTR& font, const FFIELD& field)
{
    auto label = std::make_unique<FTEXTOBJ>();
    std::string text = field.GetName();
    std::replace(text.begin(), text.end(), '_', ' ');
    if (!label->Create(font, 0) || !label->SetText(text))
        return nullptr;
    RECT at;
    field.GetRect(at);
    label->SetRect(kLabelLeft, at.top, at.left - kLabelGap, at.top + kLabelHeight);
    label->SetName(field.GetName() + "_label");
    return label;
}

namespace {

std::unique_ptr<FFIELD> Field(const TEXTATTR& font, uint8_t kind, const char* name, int row, int32_t height = 300)
{
    return MakeSampleField(font, kind, name, row, height);
}

void SetText(FFIELD& field, std::string_view text)
{
    if (auto* type = dynamic_cast<TEXTDATATYPE*>(field.GetDataType()))
        type->strValue = text;
}

} // namespace

TEXTATTR SampleFieldFont()
{
    TEXTATTR font;
    font.Reset();
    font.face = GetProgramFonts().FindOrAdd(FONTFACE("Arial", kSwiss, 0));
    font.size = 200;
    return font;
}

SampleFields MakeSampleFields()
{
    const TEXTATTR font = SampleFieldFont();
    SampleFields out;
    auto add = [&](std::unique_ptr<FFIELD> field) {
        if (field)
            out.fields.push_back(std::move(field));
    };

    auto text = Field(font, kKindText, "Name", 0);
    SetText(*text, "Ada Lovelace");
    add(std::move(text));

    auto memo = Field(font, kKindMemo, "Notes", 1, 700);
    memo->SetLineSpacing(300, nullptr);
    SetText(*memo, "A memo field keeps several lines of text, each on its own baseline.");
    add(std::move(memo));

    auto number = Field(font, kKindNumber, "Amount", 3);
    if (auto* type = dynamic_cast<NUMBERDATATYPE*>(number->GetDataType())) {
        type->pPositive->SetMask("#,##0.00");
        std::string message;
        type->SetRule(kRuleBetween, 0, "0", "1000", message);
        type->pValue = std::make_unique<double>(1234.5);
    }
    add(std::move(number));

    auto date = Field(font, kKindDate, "Due", 4);
    if (auto* type = dynamic_cast<DATEDATATYPE*>(date->GetDataType())) {
        std::string message;
        type->SetText("3/14/2026", message, 0);
        type->StoreText("3/14/2026");
    }
    add(std::move(date));

    LISTBOXVALUES colours;
    for (const char* value : {"Red", "Green", "Blue"})
        colours.AppendValue(value);
    colours.bListOnly = 1;
    auto onlyList = Field(font, kKindText, "Colour", 5);
    onlyList->SetValueList(&colours, nullptr);
    onlyList->SetListBottom(kFirstRow + 5 * kRow + 300 + 900);
    SetText(*onlyList, "Green");
    add(std::move(onlyList));

    LISTBOXVALUES sizes;
    for (const char* value : {"Small", "Medium", "Large"})
        sizes.AppendValue(value);
    auto otherList = Field(font, kKindText, "Size", 7);
    otherList->SetValueList(&sizes, nullptr);
    SetText(*otherList, "Extra large");
    add(std::move(otherList));

    auto locked = Field(font, kKindText, "Reference", 8);
    locked->OnEvent(6, 1, 0);
    SetText(*locked, "Q-0042 (protected)");
    add(std::move(locked));

    auto helped = Field(font, kKindText, "Email", 9);
    helped->SetHelpText("The address replies are sent to.");
    add(std::move(helped));

    const char* boxNames[] = {"Cross", "Tick", "Round"};
    for (int i = 0; i < 3; ++i) {
        auto box = Field(font, kKindCheckBox, boxNames[i], 10 + i);
        if (auto* type = dynamic_cast<CHECK_DATATYPE*>(box->GetDataType())) {
            type->nStyle = static_cast<uint8_t>(kCheckCross + i);
            type->nTextPos = 0;
            type->strCaption = std::string(boxNames[i]) + " mark";
            type->nChecked = 1;
        }
        box->SetAlignment(0);
        add(std::move(box));
    }

    const char* radioNames[] = {"Post", "Fax", "Mail"};
    for (int i = 0; i < 3; ++i) {
        auto radio = Field(font, kKindCheckBox, radioNames[i], 14 + i);
        if (auto* type = dynamic_cast<CHECK_DATATYPE*>(radio->GetDataType())) {
            type->nStyle = kCheckRound;
            type->nTextPos = 0;
            type->strCaption = std::string("By ") + radioNames[i];
            type->nChecked = i == 1 ? 1 : 0;
            type->SetRadio(1);
        }
        radio->SetAlignment(0);
        out.radios.push_back(std::move(radio));
    }

    uint16_t id = 1;
    for (auto& field : out.fields)
        field->SetFieldID(id++);
    for (auto& radio : out.radios)
        radio->SetFieldID(id++);
    return out;
}
