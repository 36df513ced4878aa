// Values drawn on the recording surface: numbers through their masks with
// the font's widths, placed by the alignment, coloured by the mask and
// clipped to the field; error markers; long texts kept inside the field on
// every device; nothing outside the fill view.
#include "forms/fields/datatypes/datatype_texts.h"
#include "forms/fields/datatypes/datedatatype.h"
#include "forms/fields/datatypes/numberdatatype.h"
#include "forms/fields/datatypes/textdatatype.h"
#include "forms/model/viewdc.h"
#include "tests/fields/datatypes/datatype_test_support.h"

#include "platform/gdi/recording_surface.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

namespace {

class ValueDraw : public ProgramFontsTest {
protected:
    TEXTATTR Font() const
    {
        TEXTATTR attr;
        attr.Reset();
        attr.face = IndexOf("Arial");
        attr.colour = 0x123456;
        return attr;
    }

    // The widths of the text's characters in the font, as the value is
    // laid out.
    std::vector<int> WidthsOf(const std::string& text)
    {
        const int16_t* widths = metrics.GetCharWidths(991, 0, Font(), 0);
        std::vector<int> out;
        for (char c : text)
            out.push_back(widths[static_cast<unsigned char>(c)]);
        return out;
    }

    std::vector<gdi::RecordedCall> Drawn(
        DATATYPE& type, gdi::DeviceKind kind, uint8_t alignment, uint16_t mode, const RECT& rect = kRect)
    {
        gdi::RecordingSurface surface(kind);
        gdi::DC device(surface);
        VIEWDC dc;
        dc.dc = &device;
        dc.deviceKind = static_cast<uint8_t>(kind);
        dc.outputMode = mode;
        EXPECT_EQ(type.Draw(dc, rect, Font(), alignment, 0xFFFF, nullptr, mode), 1);
        EXPECT_EQ(device.GetTextColor(), 0u) << "the context is given back";
        return surface.Calls();
    }

    static constexpr RECT kRect {1000, 500, 4000, 800};
};

TEST_F(ValueDraw, NumbersArePlacedByTheAlignmentInTheirMasksColour)
{
    NUMBERDATATYPE n;
    n.InitialiseValue();
    n.pNegative->crColour = 0x0000FF;
    n.StoreText("-1234.5");
    const std::string text = "-1234.50";
    const std::vector<int> widths = WidthsOf(text);
    const int total = std::accumulate(widths.begin(), widths.end(), 0);
    const struct {
        uint8_t alignment;
        int32_t x;
    } cases[] = {
        {1, kRect.right - total},
        {3, kRect.left + (kRect.right - kRect.left - total) / 2},
        {0, kRect.left},
        {2, kRect.left},
    };
    for (gdi::DeviceKind kind : {gdi::DeviceKind::Window, gdi::DeviceKind::Printer}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << "kind " << int(kind) << " alignment " << int {c.alignment});
            const auto calls = Drawn(n, kind, c.alignment, kOutputFill);
            ASSERT_EQ(calls.size(), 1u);
            const gdi::RecordedCall& call = calls[0];
            EXPECT_EQ(call.name, "TextOut");
            EXPECT_EQ(call.text, text);
            EXPECT_EQ(call.points[0].x, c.x);
            EXPECT_EQ(call.state.textColour, 0x0000FFu);
            ASSERT_EQ(call.positions.size(), text.size());
            for (size_t i = 1; i < text.size(); ++i)
                EXPECT_EQ(call.positions[i] - call.positions[i - 1], widths[i - 1]) << i;
            ASSERT_TRUE(call.state.clip.has_value());
            RECT box;
            call.state.clip->GetBox(box);
            EXPECT_EQ(box.left, kRect.left);
            EXPECT_EQ(box.right, kRect.right);
        }
    }
    n.StoreText("7");
    const auto calls = Drawn(n, gdi::DeviceKind::Window, 1, kOutputFill);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].state.textColour, 0x123456u) << "the field's own colour";
}

TEST_F(ValueDraw, AnErrorMarkerIsDrawnAtTheLeftAndAStarFillsTheField)
{
    NUMBERDATATYPE n;
    n.InitialiseValue();
    n.StoreText("5");
    OPERAND div0 {};
    div0.nType = kOperandError;
    div0.nError = kDivisionByZero;
    n.SetFromOperand(div0);
    auto calls = Drawn(n, gdi::DeviceKind::Window, 1, kOutputFill);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].text, "!div0!");
    EXPECT_EQ(calls[0].points[0].x, kRect.left);

    NUMBERDATATYPE fill;
    fill.InitialiseValue();
    fill.pPositive->SetMask("*.0");
    fill.StoreText("5");
    calls = Drawn(fill, gdi::DeviceKind::Printer, 0, kOutputFill);
    ASSERT_EQ(calls.size(), 1u);
    const int dot = WidthsOf(".")[0];
    const int digit = WidthsOf("5")[0];
    EXPECT_EQ(calls[0].text, std::string(static_cast<size_t>((3000 - digit) / dot), '.') + "5");
}

// The characters drawn, in order (without the blank the engine draws for
// the end of the text), and the faces they were drawn in.
std::string TextOf(const std::vector<gdi::RecordedCall>& calls, std::vector<std::string>* faces = nullptr)
{
    std::string text;
    for (const gdi::RecordedCall& call : calls) {
        if (call.name != "TextOut")
            continue;
        text += call.text;
        if (faces)
            faces->push_back(call.font.FaceName());
    }
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

TEST_F(ValueDraw, DatesAreDrawnThroughTheirPictureAndTextsWithTheirFaces)
{
    DATEDATATYPE date;
    date.InitialiseValue();
    date.SetPicture("dddd, d mmmm yyyy");
    date.dValue = 35300;
    for (gdi::DeviceKind kind : {gdi::DeviceKind::Window, gdi::DeviceKind::Printer}) {
        SCOPED_TRACE(int(kind));
        const auto calls = Drawn(date, kind, 0, kOutputFill);
        EXPECT_EQ(TextOf(calls), "Friday, 23 August 1996");
        for (const auto& call : calls) {
            EXPECT_TRUE(call.state.clip.has_value()) << call.ToString();
        }
    }
    date.wErrorId = kDateMarker;
    EXPECT_EQ(TextOf(Drawn(date, gdi::DeviceKind::Window, 0, kOutputFill)), "!date!");

    const uint16_t courier = IndexOf("Courier New");
    TEXTDATATYPE text;
    std::string value = "Plain " + std::string(1, '\x1b') + "T" + std::string {char(1), char(courier + 1)}
        + std::string(1, '\x1b') + "Mono";
    text.EncodeFaceNames(value);
    ASSERT_NE(value.find("Courier New"), std::string::npos) << "stored with its face's name";
    text.StoreText(value);
    std::vector<std::string> faces;
    EXPECT_EQ(TextOf(Drawn(text, gdi::DeviceKind::Printer, 0, kOutputFill), &faces), "Plain Mono");
    ASSERT_FALSE(faces.empty());
    EXPECT_EQ(faces.back(), fonts.GetAt(courier)->GetName());
    TEXTDATATYPE empty;
    EXPECT_TRUE(Drawn(empty, gdi::DeviceKind::Window, 0, kOutputFill).empty());
}

// A 120-character value in a one-line field, and in a field lower than its
// first line: one line is laid out, and on every device that clips it is
// clipped to the field, on paper as on the screen.
TEST_F(ValueDraw, ALongValueStaysInsideItsFieldOnEveryDevice)
{
    std::string value;
    for (int i = 0; i < 120; ++i)
        value += i % 7 == 6 ? ' ' : static_cast<char>('a' + i % 26);
    TEXTDATATYPE text;
    text.StoreText(value);
    for (const RECT& field : {kRect, RECT {1000, 500, 4000, 650}}) {
        for (gdi::DeviceKind kind :
            {gdi::DeviceKind::Window, gdi::DeviceKind::Printer, gdi::DeviceKind::Preview, gdi::DeviceKind::Picture}) {
            SCOPED_TRACE(testing::Message() << "kind " << int(kind) << " height " << field.bottom - field.top);
            const auto calls = Drawn(text, kind, 0, kOutputFill, field);
            ASSERT_FALSE(calls.empty());
            std::set<int> rows;
            for (const gdi::RecordedCall& call : calls) {
                ASSERT_EQ(call.name, "TextOut");
                rows.insert(call.points[0].y);
                if (kind == gdi::DeviceKind::Picture) {
                    EXPECT_FALSE(call.state.clip.has_value());
                    continue;
                }
                ASSERT_TRUE(call.state.clip.has_value()) << call.ToString();
                RECT box;
                call.state.clip->GetBox(box);
                EXPECT_GE(box.left, field.left);
                EXPECT_GE(box.top, field.top);
                EXPECT_LE(box.right, field.right);
                EXPECT_LE(box.bottom, field.bottom);
            }
            EXPECT_EQ(rows.size(), 1u) << "one line";
        }
    }
}

TEST_F(ValueDraw, NothingIsDrawnOutsideTheFillView)
{
    NUMBERDATATYPE n;
    n.InitialiseValue();
    n.StoreText("5");
    TEXTDATATYPE t;
    t.StoreText("text");
    for (uint16_t mode : {kOutputDesign, kOutputFillingOrder, kOutputMath}) {
        EXPECT_TRUE(Drawn(n, gdi::DeviceKind::Window, 0, mode).empty()) << mode;
        EXPECT_TRUE(Drawn(t, gdi::DeviceKind::Printer, 0, mode).empty()) << mode;
    }
    NUMBERDATATYPE empty;
    empty.InitialiseValue();
    EXPECT_TRUE(Drawn(empty, gdi::DeviceKind::Window, 0, kOutputFill).empty()) << "no zero mask";
}

} // namespace
