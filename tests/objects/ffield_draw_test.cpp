// The field's drawing on the recording surface: the drop-down button's
// width and face, a context that draws fields only, the baselines, and the
// outline a dragged field shows.
#include "tests/objects/field_test_support.h"

#include "forms/fields/datatypes/textdatatype.h"
#include "forms/model/border.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "tests/model/shape_fixtures.h"

#include "platform/gdi/palette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using FieldDrawTest = FieldTest;

TEST_F(FieldDrawTest, TheDropButtonIsSquareButNeverWiderThan240OrHalfTheField)
{
    const struct {
        RECT r;
        int32_t width;
    } cases[] = {
        {{0, 0, 100, 300}, 50},
        {{0, 0, 1000, 300}, 240},
        {{0, 0, 1000, 200}, 200},
    };
    for (const auto& c : cases) {
        auto field = MakeField(c.r);
        field->SetBorder(BORDER(0, 0, kLineNone, 0, 1, 0));
        Mapped mapped;
        RECT button;
        field->GetDropButtonRect(button, mapped.dc);
        EXPECT_EQ(button.right - button.left, c.width);
        EXPECT_EQ(button.right, c.r.right);
        EXPECT_EQ(button.top, c.r.top);
        EXPECT_EQ(button.bottom, c.r.bottom);
    }
}

TEST_F(FieldDrawTest, AFieldsOnlyContextDrawsTheValueAndNothingOfTheFrame)
{
    for (int fieldsOnly : {0, 1}) {
        SCOPED_TRACE(fieldsOnly);
        auto field = MakeField({1000, 1000, 4000, 1400});
        SHADOW drop;
        drop.x = 60;
        drop.y = 60;
        field->SetShadow(drop);
        field->SetValueList(Values({"a"}, false).get(), nullptr);
        dynamic_cast<TEXTDATATYPE*>(field->GetDataType())->strValue = "Value";
        Mapped mapped;
        mapped.dc.fieldsOnly = fieldsOnly;
        field->Draw(mapped.dc);
        int texts = 0;
        int shapes = 0;
        for (const auto& call : mapped.Calls()) {
            if (call.name == "TextOut")
                ++texts;
            else if (call.name == "PatBlt" || call.name == "Rectangle" || call.name == "Polygon"
                || call.name == "FillRect" || call.name == "FillRgn" || call.name == "LineTo")
                ++shapes;
        }
        EXPECT_GT(texts, 0);
        EXPECT_EQ(shapes > 0, fieldsOnly == 0);
    }
}

// The device rows of the baseline bands drawn (14 twips, one device unit
// being one twip here).
std::vector<int32_t> Baselines(const Mapped& mapped)
{
    std::vector<int32_t> rows;
    for (const auto& call : mapped.Calls())
        if (call.name == "PatBlt" && call.state.brush.style == gdi::BS_PATTERN
            && call.values.at(0) == static_cast<int>(gdi::PATCOPY) && call.points[1].y - call.points[0].y == 14)
            rows.push_back(call.points[0].y);
    return rows;
}

TEST_F(FieldDrawTest, BaselinesAreOneFontHeightOrTheLineSpacingApartInTheDesignViewOnly)
{
    const TEXTATTR font = Font(IndexOf("Arial"), 240);
    gdi::TEXTMETRIC m;
    metrics.GetFont(kDeviceWindow, 991, 0, font, 0, &m, nullptr);
    const struct {
        const char* name;
        uint16_t spacing;
        uint8_t deviceKind;
        uint16_t outputMode;
        int32_t first;
        int32_t step;
    } cases[] = {
        {"font height", 0xFFFF, kDeviceWindow, kOutputDesign, m.tmAscent, m.tmAscent + m.tmDescent},
        {"spacing 400", 400, kDeviceWindow, kOutputDesign, std::max<int32_t>(m.tmAscent, 400 - m.tmDescent), 400},
        {"fill view", 0xFFFF, kDeviceWindow, kOutputFill, 0, 0},
        {"print", 0xFFFF, kDevicePrinter, kOutputDesign, 0, 0},
        {"preview", 0xFFFF, kDevicePreview, kOutputDesign, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto field = MakeField({1000, 1000, 4000, 2600});
        field->SetFont(font);
        field->SetBorder(BORDER(0, 0, kLineNone, 0, 1, 0));
        field->SetLineSpacing(c.spacing, nullptr);
        Mapped mapped(c.deviceKind);
        mapped.dc.outputMode = c.outputMode;
        mapped.dc.showBaselines = 1;
        field->Draw(mapped.dc);
        std::vector<int32_t> expected;
        for (int32_t y = 1000 + c.first; c.step > 0 && y + 14 < 2600; y += c.step)
            expected.push_back(y);
        EXPECT_EQ(Baselines(mapped), expected);
    }
}

// The solid fills of one colour within a device rectangle, in drawing
// order.
std::vector<RECT> SolidFills(const Mapped& mapped, gdi::COLORREF colour, const RECT& within)
{
    std::vector<RECT> rects;
    for (const auto& call : mapped.Calls()) {
        const RECT r {call.points[0].x, call.points[0].y, call.points[1].x, call.points[1].y};
        if (call.name == "PatBlt" && call.state.brush.style == gdi::BS_SOLID && call.state.brush.colour == colour
            && r.left >= within.left && r.top >= within.top && r.right <= within.right && r.bottom <= within.bottom)
            rects.push_back(r);
    }
    return rects;
}

// The button is drawn at its place whatever the zoom, and its arrow is
// sized by the button's width in pixels: none when it would not fit.
TEST_F(FieldDrawTest, TheDropButtonHasAFramedFaceAndAnArrowSizedToItsPixels)
{
    const struct {
        const char* name;
        RECT r;
        int twipsPerPixel;
        std::vector<int32_t> arrowRows; // widths, top row first
    } cases[] = {
        {"7 pixels", {0, 0, 1000, 105}, 15, {}},
        {"10 pixels", {0, 0, 1000, 150}, 15, {5, 3, 1}},
        {"16 pixels", {0, 0, 1000, 450}, 15, {7, 5, 3, 1}},
        {"40 pixels", {0, 0, 1000, 450}, 6, {11, 9, 7, 5, 3, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto field = MakeField(c.r);
        field->SetBorder(BORDER(0, 0, kLineNone, 0, 1, 0));
        field->SetValueList(Values({"a", "b"}, true).get(), nullptr);
        field->SetRect(c.r.left, c.r.top, c.r.right, c.r.bottom);
        Mapped mapped(kDeviceWindow, c.twipsPerPixel, 1);
        mapped.dc.outputMode = kOutputDesign;
        RECT button;
        field->GetDropButtonRect(button, mapped.dc);
        const RECT device = mapped.device.LPtoDP(button).Normalized();
        field->Draw(mapped.dc);

        const std::vector<RECT> faces = SolidFills(mapped, gdi::GetSysColor(gdi::COLOR_BTNFACE), device);
        ASSERT_EQ(faces.size(), 1u);
        EXPECT_EQ(faces[0], device);
        // Highlight along the top and left, black along the bottom and right.
        const std::vector<RECT> lights = SolidFills(mapped, gdi::GetSysColor(gdi::COLOR_BTNHIGHLIGHT), device);
        ASSERT_EQ(lights.size(), 2u);
        EXPECT_EQ(lights[0].top, device.top);
        EXPECT_EQ(lights[0].bottom, device.top + 1);
        EXPECT_EQ(lights[1].left, device.left);
        EXPECT_EQ(lights[1].right, device.left + 1);
        std::vector<int32_t> rows;
        int32_t previousTop = 0;
        bool edgeBottom = false;
        bool edgeRight = false;
        for (const RECT& black : SolidFills(mapped, gdi::GetSysColor(gdi::COLOR_BTNTEXT), device)) {
            if (black == RECT {device.left, device.bottom - 1, device.right, device.bottom}) {
                edgeBottom = true;
                continue;
            }
            if (black == RECT {device.right - 1, device.top, device.right, device.bottom}) {
                edgeRight = true;
                continue;
            }
            EXPECT_EQ(black.bottom - black.top, 1);
            EXPECT_GT(black.left, device.left);
            EXPECT_LT(black.right, device.right - 1);
            if (!rows.empty()) {
                EXPECT_EQ(black.top, previousTop + 1) << "rows one under another";
            }
            previousTop = black.top;
            rows.push_back(black.right - black.left);
        }
        EXPECT_TRUE(edgeBottom);
        EXPECT_TRUE(edgeRight);
        EXPECT_EQ(rows, c.arrowRows);
    }
}

TEST_F(FieldDrawTest, APrintedListFieldHasNoDropButton)
{
    auto field = MakeField({0, 0, 1000, 450});
    field->SetValueList(Values({"a"}, true).get(), nullptr);
    field->SetRect(0, 0, 1000, 450);
    Mapped mapped(kDevicePrinter, 15, 1);
    field->Draw(mapped.dc);
    const RECT page {0, 0, 20000, 20000};
    EXPECT_TRUE(SolidFills(mapped, gdi::GetSysColor(gdi::COLOR_BTNFACE), page).empty());
    EXPECT_TRUE(SolidFills(mapped, gdi::GetSysColor(gdi::COLOR_BTNSHADOW), page).empty());
}

class FieldDragOutlineTest : public FieldTest {
protected:
    FieldDragOutlineTest() { g_twipsPerDevice = 15; }
    ~FieldDragOutlineTest() override { g_twipsPerDevice = 1; }

    FakeView view;
};

// The outline is the whole dragged rectangle, inverted with a null brush;
// the baselines inside it are inverted one-pixel bands the font's height
// or the line spacing apart, ending above the inside's bottom. A check box
// shows none.
TEST_F(FieldDragOutlineTest, TheDraggedFieldShowsItsOutlineAndTheBaselinesItWouldHave)
{
    const TEXTATTR font = Font(IndexOf("Arial"), 240);
    gdi::TEXTMETRIC m;
    metrics.GetFont(kDeviceWindow, 991, 0, font, 0, &m, nullptr);
    ASSERT_GT(m.tmAscent, 0);
    const RECT dragged {1500, 1500, 4500, 3000};
    RECT device = dragged;
    view.ToDeviceRect(device);
    const struct {
        const char* name;
        bool checkBox;
        uint16_t spacing;
        int32_t first;
        int32_t step;
    } cases[] = {
        {"font height", false, 0xFFFF, m.tmAscent, m.tmAscent + m.tmDescent},
        {"spacing 400", false, 400, std::max<int32_t>(m.tmAscent, 400 - m.tmDescent), 400},
        {"check box", true, 0xFFFF, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto field = MakeField({0, 0, 2000, 300});
        if (c.checkBox) {
            ASSERT_TRUE(
                field->SetType(kKindCheckBox, 0, BORDER(0, 0, kLineNone, 0, 1, 0), BASICSHADE(), font, SHADOW()));
        }
        field->SetFont(font);
        field->SetBorder(BORDER(0, 0, kLineNone, 0, 1, 0));
        field->SetLineSpacing(c.spacing, nullptr);
        gdi::RecordingSurface surface;
        gdi::DC dc(surface);
        field->DrawTrackerRect(dragged, 0, &dc, &view);

        int outlines = 0;
        std::vector<int32_t> bands;
        for (const auto& call : surface.Calls()) {
            if (call.name == "Rectangle") {
                ++outlines;
                EXPECT_EQ(call.state.rop2, gdi::R2_NOT);
                EXPECT_EQ(call.state.brush.style, gdi::BS_NULL);
                EXPECT_EQ(call.points[0], (POINT {device.left, device.top}));
                EXPECT_EQ(call.points[1], (POINT {device.right, device.bottom}));
            } else if (call.name == "PatBlt") {
                EXPECT_EQ(call.values.at(0), static_cast<int>(gdi::PATINVERT));
                EXPECT_EQ(call.state.brush.style, gdi::BS_PATTERN);
                EXPECT_EQ(call.points[1].y - call.points[0].y, 1);
                EXPECT_EQ(call.points[0].x, device.left);
                EXPECT_EQ(call.points[1].x, device.right);
                bands.push_back(call.points[0].y);
            }
        }
        EXPECT_EQ(outlines, 1);
        std::vector<int32_t> expected;
        for (int32_t y = dragged.top + c.first; c.step > 0; y += c.step) {
            RECT line {dragged.left, y, dragged.right, y};
            view.ToDeviceRect(line);
            if (line.top + 1 >= device.bottom)
                break;
            expected.push_back(line.top);
        }
        EXPECT_EQ(bands, expected);
        EXPECT_EQ(bands.empty(), c.checkBox);
    }
}

} // namespace
