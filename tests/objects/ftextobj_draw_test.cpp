// The text baselines that a text object's drag outline shows, and the clip
// that keeps a window's drawing of the text inside the object.
#include "tests/model/test_objects.h"
#include "tests/objects/text_test_support.h"

#include "platform/gdi/recording_surface.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class TextDrawTest : public TextObjectTest {
protected:
    TextDrawTest() { g_twipsPerDevice = 15; }
    ~TextDrawTest() override { g_twipsPerDevice = 1; }

    // The device rows of the one-pixel inverted bands drawn over the outline.
    static std::vector<int32_t> Bands(const gdi::RecordingSurface& surface, const RECT& device)
    {
        std::vector<int32_t> rows;
        for (const auto& call : surface.Calls()) {
            if (call.name != "PatBlt" || call.values.at(0) != static_cast<int>(gdi::PATINVERT))
                continue;
            EXPECT_EQ(call.points[1].y - call.points[0].y, 1);
            EXPECT_EQ(call.points[0].x, device.left);
            EXPECT_EQ(call.points[1].x, device.right);
            rows.push_back(call.points[0].y);
        }
        return rows;
    }

    FakeView view;
};

TEST_F(TextDrawTest, TheDragOutlineShowsABaselineForEveryLineThatFits)
{
    const TEXTATTR font = Font(IndexOf("Arial"), 240);
    gdi::TEXTMETRIC m;
    metrics.GetFont(kDeviceWindow, 991, 0, font, 0, &m, nullptr);
    ASSERT_GT(m.tmAscent, 0);
    ASSERT_GT(m.tmDescent, 0);
    // 12-point Arial: 180 less the descent lies above one ascent, 400 less
    // the descent below it.
    ASSERT_LT(180 - m.tmDescent, m.tmAscent);
    ASSERT_GT(400 - m.tmDescent, m.tmAscent);
    const RECT outline {1500, 1500, 4500, 3000};
    RECT device = outline;
    view.ToDeviceRect(device);

    const struct {
        uint16_t spacing;
        int32_t first; // twips below the top
        int32_t pitch;
    } cases[] = {
        {kLineSpacingAuto, m.tmAscent, m.tmAscent + m.tmDescent},
        {180, m.tmAscent, 180},
        {400, 400 - m.tmDescent, 400},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.spacing);
        auto object = MakeText("text", font);
        object->SetRect(outline.left, outline.top, outline.right, outline.bottom);
        uint16_t spacing = c.spacing;
        object->SetAttribute(kAttrLineSpacing, reinterpret_cast<uintptr_t>(&spacing));
        gdi::RecordingSurface surface;
        gdi::DC dc(surface);
        object->DrawTrackerRect(outline, 0, &dc, &view);

        std::vector<int32_t> expected;
        for (int32_t y = outline.top + c.first;; y += c.pitch) {
            RECT line {outline.left, y, outline.right, y};
            view.ToDeviceRect(line);
            if (line.top + 1 >= device.bottom)
                break;
            expected.push_back(line.top);
        }
        ASSERT_GE(expected.size(), 2u);
        EXPECT_EQ(Bands(surface, device), expected);
    }
}

TEST_F(TextDrawTest, ATurnedObjectsOutlineShowsNoBaselines)
{
    auto object = MakeText("text", Font(IndexOf("Arial")));
    object->SetRect(1500, 1500, 4500, 3000);
    object->SetRotation(300, nullptr);
    gdi::RecordingSurface surface;
    gdi::DC dc(surface);
    object->DrawTrackerRect({1500, 1500, 4500, 3000}, 0, &dc, &view);
    RECT device {1500, 1500, 4500, 3000};
    view.ToDeviceRect(device);
    EXPECT_TRUE(Bands(surface, device).empty());
}

TEST_F(TextDrawTest, AWindowsDrawingOfTheTextStaysInsideTheObject)
{
    const std::string text = "A line long enough to need breaking, " + Code('P', 480) + "in a bigger size.";
    for (uint16_t angle : {uint16_t {0}, uint16_t {300}}) {
        SCOPED_TRACE(angle);
        auto object = MakeText(text, Font(IndexOf("Arial")));
        object->SetRect(1500, 1500, 3000, 2100);
        if (angle)
            object->SetRotation(angle, nullptr);
        gdi::RecordingSurface surface;
        gdi::DC device(surface);
        VIEWDC dc;
        view.SetupDC(dc, &device);
        object->Draw(dc);
        RECT bounds;
        object->GetBoundingRectIn(bounds, dc);
        view.ToDeviceRect(bounds);
        for (const auto& call : surface.Calls()) {
            ASSERT_TRUE(call.state.clip.has_value()) << call.ToString();
            RECT box;
            call.state.clip->GetBox(box);
            EXPECT_GE(box.left, bounds.left - 6) << call.ToString();
            EXPECT_GE(box.top, bounds.top - 6) << call.ToString();
            EXPECT_LE(box.right, bounds.right + 6) << call.ToString();
            EXPECT_LE(box.bottom, bounds.bottom + 6) << call.ToString();
        }
        gdi::Region after;
        EXPECT_EQ(device.GetClipRgn(after), 0) << "the clip is taken back";
    }
}

} // namespace
