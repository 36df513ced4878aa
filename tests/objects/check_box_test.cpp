// The check box: its records, the box's place, the mark in each view and
// on paper, and radio groups, in which checking one clears only the other
// radio buttons and tells the document's formula host.
#include "tests/objects/field_test_support.h"

#include "forms/fields/datatypes/check_datatype.h"
#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/model/border.h"
#include "forms/model/fobjlist.h"
#include "forms/model/record_archive.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/objects/fgroup.h"
#include "tests/model/shape_fixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Reads a group back through the record stream (its tag read first).
void ReadGroup(const Bytes& bytes, const std::function<void(RECORDARCHIVE&)>& read)
{
    ReadBack(bytes, read);
}

class FormulaHost : public CountingDocument {
public:
    void Calculate(uint16_t id) override { calls.push_back("calculate " + std::to_string(id)); }
    void SetFieldDependantsOOD(uint16_t id) override { calls.push_back("out of date " + std::to_string(id)); }
    std::vector<std::string> calls;
};

class HostView : public FakeView {
public:
    OBJECT_DOCUMENT* GetObjectDocument() override { return &host; }
    FormulaHost host;
};

class CheckBoxTest : public FieldTest {
protected:
    static std::unique_ptr<FFIELD> MakeBox(RECT r, uint16_t id)
    {
        auto field = std::make_unique<FFIELD>();
        TEXTATTR font = Font(0, 200);
        EXPECT_TRUE(field->SetType(kKindCheckBox, 0, BORDER(), BASICSHADE(), font, SHADOW()));
        field->SetRect(r.left, r.top, r.right, r.bottom);
        field->SetFieldID(id);
        return field;
    }
    static CHECK_DATATYPE& Box(FFIELD& field) { return *dynamic_cast<CHECK_DATATYPE*>(field.GetDataType()); }
};

TEST_F(CheckBoxTest, TheRecordsHoldStateCaptionWithItsNulAndInitialState)
{
    CHECK_DATATYPE box;
    box.InitialiseValue();
    box.nChecked = 1;
    box.nStyle = kCheckTick;
    box.nTextPos = 0;
    box.SetRadio(1);
    box.strCaption = "Yes";
    box.nInitial = 1;
    const Bytes written = Written([&](RECORDARCHIVE& ar) { box.Save(ar); });
    EXPECT_EQ(written,
        (Bytes {5, 0x81, 0x07, 0x00, 0x01, 0x00, 0x02, 0x00, 0x00, 0x01, 0x00, //
            0x82, 0x06, 0x00, 0x04, 0x00, 'Y', 'e', 's', 0x00, //
            0x83, 0x01, 0x00, 0x01, 0xFF}));
    CHECK_DATATYPE loaded;
    ReadGroup(written, [&](RECORDARCHIVE& ar) { EXPECT_EQ(loaded.Load(ar), 1); });
    EXPECT_EQ(Written([&](RECORDARCHIVE& ar) { loaded.Save(ar); }), written);

    // Only the value 1 sets a 16-bit switch; a caption count beyond the
    // record reads what is there.
    CHECK_DATATYPE odd;
    ReadGroup(Concat({Bytes {5}, Record(0x81, {2, 0, 3, 5, 0, 1, 0}), Record(0x82, {50, 0, 'a', 'b'}), Bytes {0xFF}}),
        [&](RECORDARCHIVE& ar) { EXPECT_EQ(odd.Load(ar), 1); });
    EXPECT_EQ(odd.nChecked, 0u);
    EXPECT_EQ(odd.nStyle, kCheckRound);
    EXPECT_EQ(odd.nTextPos, 0u);
    EXPECT_EQ(odd.bRadio, 1u);
    EXPECT_EQ(odd.strCaption, "ab");
}

TEST_F(CheckBoxTest, GroupSixWithTagFiveMakesACheckBoxWhateverTheOldKindSays)
{
    auto box = MakeBox({100, 100, 2000, 400}, 3);
    EXPECT_EQ(box->GetDataType()->GetTypeTag(), kKindCheckBox);
    uint8_t align = 0;
    box->GetAlignment(&align);
    EXPECT_EQ(align, kCheckBoxAlignment);
    const Bytes written = Written([&](RECORDARCHIVE& ar) { box->Save(ar, kTypeField); });
    FFIELD loaded;
    ASSERT_TRUE(loaded.Init());
    ReadGroup(written, [&](RECORDARCHIVE& ar) { loaded.Load(ar, 0); });
    EXPECT_TRUE(loaded.IsCheckBox());
    EXPECT_EQ(loaded.IsCalculable(), 1);
    EXPECT_EQ(Written([&](RECORDARCHIVE& ar) { loaded.Save(ar, kTypeField); }), written);
}

TEST_F(CheckBoxTest, TheBoxIsEightyPercentOfTheAscentAndSeventyTwoTwipsIn)
{
    const TEXTATTR font = Font(IndexOf("Arial"), 400);
    gdi::TEXTMETRIC m;
    metrics.GetFont(kDeviceWindow, 991, 0, font, 0, &m, nullptr);
    for (uint32_t textPos : {0u, 1u}) {
        auto field = MakeBox({1000, 1000, 4000, 2000}, 1);
        field->SetFont(font);
        Box(*field).nTextPos = textPos;
        Mapped mapped;
        const RECT box = Box(*field).GetBoxRect(mapped.dc, *field, font);
        EXPECT_EQ(box.right - box.left, m.tmAscent * 8 / 10);
        EXPECT_EQ(box.bottom - box.top, m.tmAscent * 8 / 10);
        EXPECT_EQ(box.bottom, 1000 + m.tmAscent + m.tmDescent / 2);
        if (textPos == 0)
            EXPECT_EQ(box.left, 1072);
        else
            EXPECT_EQ(box.right, 4000 - 72);
    }
}

// The lines of the mark drawn on a context.
int MarkLines(Mapped& mapped)
{
    int lines = 0;
    for (const auto& call : mapped.Calls())
        if (call.name == "LineTo" || call.name == "Polyline")
            ++lines;
    return lines;
}

TEST_F(CheckBoxTest, TheMarkShowsUncheckedInTheDesignViewOnlyAndCheckedElsewhereButNotOnPictures)
{
    const struct {
        const char* name;
        uint8_t deviceKind;
        uint16_t outputMode;
        uint32_t checked;
        bool mark;
    } cases[] = {
        {"design, unchecked", kDeviceWindow, kOutputDesign, 0, true},
        {"design, checked", kDeviceWindow, kOutputDesign, 1, true},
        {"design printed, unchecked", kDevicePrinter, kOutputDesign, 0, false},
        {"design printed, checked", kDevicePrinter, kOutputDesign, 1, true},
        {"fill, unchecked", kDeviceWindow, kOutputFill, 0, false},
        {"fill, checked", kDeviceWindow, kOutputFill, 1, true},
        {"preview, checked", kDevicePreview, kOutputFill, 1, true},
        {"picture, checked", kDevicePicture, kOutputFill, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto field = MakeBox({1000, 1000, 4000, 1400}, 1);
        Box(*field).nChecked = c.checked;
        Mapped mapped(c.deviceKind);
        mapped.dc.outputMode = c.outputMode;
        field->Draw(mapped.dc);
        EXPECT_EQ(MarkLines(mapped) > 0, c.mark);
    }
}

TEST_F(CheckBoxTest, TheTickIsDrawnTwiceFromSixteenPixelsAndThePenIsNeverBelowOnePixel)
{
    const struct {
        int twipsPerPixel;
        uint16_t size;
        int lines;
    } cases[] = {
        {1, 400, 4}, // hundreds of pixels
        {15, 200, 2}, // 10-point: a box of about 9 pixels at 100 %
        {60, 1200, 2}, // 25 %: the pen would be a quarter pixel
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.twipsPerPixel);
        auto field = MakeBox({1000, 1000, 4000, 1600}, 1);
        field->SetFont(Font(0, c.size));
        Box(*field).nStyle = kCheckTick;
        Box(*field).nChecked = 1;
        Mapped mapped(kDeviceWindow, c.twipsPerPixel, 1);
        field->Draw(mapped.dc);
        EXPECT_EQ(MarkLines(mapped), c.lines);
        for (const auto& call : mapped.Calls())
            if (call.name == "LineTo") {
                EXPECT_GE(call.state.pen.width, 1);
            }
    }
}

// A field standing in a table cell: what the check box asks of a cell is
// its type.
class CellField : public FFIELD {
public:
    uint8_t GetType() const override { return kTypeCell; }
};

TEST_F(CheckBoxTest, InATableCellTheBoxIsCentredWithARingOnlyWhenRoundAndNoOutline)
{
    const TEXTATTR font = Font(0, 200);
    const RECT cellRect {1000, 1000, 2000, 1600};
    for (uint8_t style : {kCheckCross, kCheckRound}) {
        SCOPED_TRACE(int(style));
        CellField cell;
        ASSERT_TRUE(cell.SetType(kKindCheckBox, 0, BORDER(), BASICSHADE(), font, SHADOW()));
        cell.SetRect(cellRect.left, cellRect.top, cellRect.right, cellRect.bottom);
        Box(cell).nStyle = style;
        Box(cell).nChecked = 1;
        Mapped mapped;
        mapped.dc.outputMode = kOutputDesign;
        const RECT box = Box(cell).GetBoxRect(mapped.dc, cell, font);
        EXPECT_LE(std::abs((box.left + box.right) - (cellRect.left + cellRect.right)), 1);
        EXPECT_LE(std::abs((box.top + box.bottom) - (cellRect.top + cellRect.bottom)), 1);

        cell.Draw(mapped.dc);
        int ellipses = 0;
        for (const auto& call : mapped.Calls()) {
            EXPECT_NE(call.name, "Rectangle") << "no box, fill or outline of a field: " << call.ToString();
            if (call.name == "Ellipse") {
                ++ellipses;
                if (call.state.brush.style == gdi::BS_SOLID) {
                    EXPECT_EQ(call.state.brush.colour, 0u) << "the round mark in a cell is black";
                }
            }
        }
        EXPECT_EQ(ellipses > 0, style == kCheckRound) << "only the round style rings its box";
        EXPECT_GT(MarkLines(mapped) + ellipses, 0) << "the mark is drawn";
    }
}

TEST_F(CheckBoxTest, CheckingARadioButtonClearsOnlyTheOtherRadioButtonsAndTellsTheFormulaHost)
{
    HostView view;
    FGROUP group;
    FFIELD* radios[3];
    for (int i = 0; i < 3; ++i) {
        auto box = MakeBox({1000, 1000 + 500 * i, 3000, 1300 + 500 * i}, static_cast<uint16_t>(10 + i));
        Box(*box).nChecked = 0;
        radios[i] = box.get();
        group.GetMembers().AddTail(std::move(box));
    }
    group.SetFieldsRadioGroup(&group);
    auto plain = MakeBox({1000, 3000, 3000, 3300}, 20);
    Box(*plain).nChecked = 1;
    FFIELD* plainBox = plain.get();
    group.GetMembers().AddTail(std::move(plain));
    EXPECT_EQ(radios[1]->GetRadioGroup(), &group.GetMembers());
    EXPECT_EQ(plainBox->GetRadioGroup(), nullptr);

    radios[0]->ToggleCheck(&view);
    EXPECT_EQ(view.host.calls, (std::vector<std::string> {"calculate 10"}));
    view.host.calls.clear();
    radios[0]->ToggleCheck(&view);
    EXPECT_EQ(Box(*radios[0]).nChecked, 1u) << "a checked radio button stays checked";
    EXPECT_TRUE(view.host.calls.empty());

    radios[2]->ToggleCheck(&view);
    EXPECT_EQ(Box(*radios[0]).nChecked, 0u);
    EXPECT_EQ(Box(*radios[0]).bEdited, 1);
    EXPECT_EQ(Box(*radios[2]).nChecked, 1u);
    EXPECT_EQ(Box(*plainBox).nChecked, 1u) << "a plain check box beside the group is never cleared";
    EXPECT_EQ(view.host.calls, (std::vector<std::string> {"out of date 10", "calculate 12"}));

    view.host.calls.clear();
    plainBox->ToggleCheck(&view);
    EXPECT_EQ(Box(*plainBox).nChecked, 0u);
    EXPECT_EQ(Box(*radios[2]).nChecked, 1u);
    EXPECT_EQ(view.host.calls, (std::vector<std::string> {"calculate 20"}));
}

TEST_F(CheckBoxTest, ALoneRadioButtonPastedOrPlacedBecomesACheckBox)
{
    FOBJLIST alone;
    auto box = MakeBox({0, 0, 2000, 300}, 1);
    box->SetRadioGroup(&alone);
    FFIELD* lone = box.get();
    alone.AddTail(std::move(box));
    ASSERT_TRUE(lone->IsRadioButton());
    lone->DropMasterIfZero(1, 0);
    EXPECT_FALSE(lone->IsRadioButton());

    FOBJLIST pair;
    FFIELD* first = nullptr;
    for (int i = 0; i < 2; ++i) {
        auto member = MakeBox({0, 400 * i, 2000, 400 * i + 300}, static_cast<uint16_t>(i + 1));
        member->SetRadioGroup(&pair);
        if (!first)
            first = member.get();
        pair.AddTail(std::move(member));
    }
    first->DropMasterIfZero(1, 0);
    EXPECT_TRUE(first->IsRadioButton());
}

} // namespace
