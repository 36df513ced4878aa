// Drawing of a two-page form on a recording surface: the margin guides and
// their strips, the objects of the page shown, the clip, printing; zoom,
// pages and the status panes' texts.
#include "tests/app/support/view_test_support.h"

#include "forms/app/frames/main_frame.h"
#include "forms/document/print/flayout.h"
#include "forms/model/fhint.h"
#include "forms/model/shade.h"

#include "platform/gdi/colour.h"
#include "platform/gdi/image_surface.h"
#include "platform/gdi/muldiv.h"
#include "platform/gdi/region.h"
#include "platform/ui/cmd_ui.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

class ViewDrawTest : public ::testing::Test {
protected:
    void Open(int width = 900, int height = 1200)
    {
        view = std::make_unique<RecordingView>(width, height);
        view->SetDocument(doc.get());
        view->OnInitialUpdate();
        view->UpdateWindow();
        view->surface.Clear();
    }
    void Draw()
    {
        view->surface.Clear();
        gdi::DC dc(view->surface);
        view->OnDraw(dc);
    }
    // The pattern-filled guides and the light-grey strips beside them.
    std::vector<RECT> Fills(bool guides) const
    {
        std::vector<RECT> found;
        for (const gdi::RecordedCall& call : view->surface.Calls())
            if (call.name == "PatBlt"
                && call.state.brush == (guides ? BASICSHADE::GetPatternBrush(5) : gdi::Brush::Solid(0xC0C0C0)))
                found.push_back({call.points[0].x, call.points[0].y, call.points[1].x, call.points[1].y});
        std::sort(found.begin(), found.end(), [](const RECT& a, const RECT& b) {
            return std::tie(a.left, a.top, a.right, a.bottom) < std::tie(b.left, b.top, b.right, b.bottom);
        });
        return found;
    }
    bool Drew(const std::string& name) const
    {
        return std::any_of(view->surface.Calls().begin(), view->surface.Calls().end(),
            [&](const gdi::RecordedCall& c) { return c.name == name; });
    }
    bool DrewAt(POINT corner) const
    {
        return std::any_of(view->surface.Calls().begin(), view->surface.Calls().end(), [&](const gdi::RecordedCall& c) {
            return std::find(c.points.begin(), c.points.end(), corner) != c.points.end();
        });
    }

    ProgramWideParts parts;
    std::unique_ptr<FDOCUMENT> doc = MakeTwoPageForm();
    std::unique_ptr<RecordingView> view;
};

TEST_F(ViewDrawTest, MarginGuidesAcrossThePageWithStripsBeyondTheirEnds)
{
    Open();
    // A4 (794 x 1123 pixels) centred in 900 x 1200.
    const int x = 53;
    const int y = 38;
    ASSERT_EQ(view->GetViewportOrg(), (POINT {x, y}));
    Draw();
    // Margins of 720 twips: 48 pixels; the far ones at 746 and 1075.
    const std::vector<RECT> guides = {{x + 48, y + 48, x + 49, y + 1075}, {x + 48, y + 48, x + 746, y + 49},
        {x + 48, y + 1075, x + 746, y + 1076}, {x + 746, y + 48, x + 747, y + 1075}};
    EXPECT_EQ(Fills(true), guides);
    // 360 twips: 24 pixels outward from each end.
    const std::vector<RECT> strips = {{x + 24, y + 48, x + 48, y + 49}, {x + 24, y + 1075, x + 48, y + 1076},
        {x + 48, y + 24, x + 49, y + 48}, {x + 48, y + 1075, x + 49, y + 1099}, {x + 746, y + 24, x + 747, y + 48},
        {x + 746, y + 48, x + 770, y + 49}, {x + 746, y + 1075, x + 747, y + 1099},
        {x + 746, y + 1075, x + 770, y + 1076}};
    EXPECT_EQ(Fills(false), strips);
}

TEST_F(ViewDrawTest, StripsStopAtThePageEdgeAndZeroMarginsHaveNoGuide)
{
    FLAYOUT& layout = *doc->GetPageLayout(1);
    layout.top = 180; // 12 pixels: its strips are cut at the page's top
    layout.left = 0;
    Open();
    const int x = 53;
    const int y = 38;
    Draw();
    const std::vector<RECT> guides = Fills(true);
    ASSERT_EQ(guides.size(), 3u);
    EXPECT_TRUE(
        std::none_of(guides.begin(), guides.end(), [&](const RECT& r) { return r.left == x && r.right == x + 1; }));
    for (const RECT& strip : Fills(false)) {
        EXPECT_GE(strip.top, y);
        EXPECT_GE(strip.left, x);
        EXPECT_LE(strip.right, x + 794);
        EXPECT_LE(strip.bottom, y + 1123);
    }
    const std::vector<RECT> strips = Fills(false);
    EXPECT_TRUE(
        std::any_of(strips.begin(), strips.end(), [&](const RECT& r) { return r.top == y && r.bottom == y + 12; }));
}

TEST_F(ViewDrawTest, ObjectsOfTheShownPageOnly)
{
    Open();
    const int x = 53;
    const int y = 38;
    Draw();
    // The box's fill from its corner, one inch into the page; the ellipse.
    EXPECT_TRUE(DrewAt({x + 96, y + 96}));
    EXPECT_TRUE(Drew("Ellipse"));
    EXPECT_FALSE(Drew("Polyline"));
    view->SetPage(2);
    Draw();
    EXPECT_FALSE(DrewAt({x + 96, y + 96}));
    EXPECT_FALSE(Drew("Ellipse"));
    EXPECT_TRUE(Drew("Polyline")); // the slanted hairline
}

TEST_F(ViewDrawTest, RepaintingAnAreaDrawsNothingOutsideIt)
{
    Open();
    view->InvalidateRect({100, 100, 300, 250}, true);
    view->UpdateWindow();
    ASSERT_FALSE(view->surface.Calls().empty());
    for (const gdi::RecordedCall& call : view->surface.Calls()) {
        ASSERT_TRUE(call.state.clip.has_value()) << call.ToString();
        RECT box;
        call.state.clip->GetBox(box);
        EXPECT_GE(box.left, 100);
        EXPECT_GE(box.top, 100);
        EXPECT_LE(box.right, 300);
        EXPECT_LE(box.bottom, 250);
    }
}

TEST_F(ViewDrawTest, BackgroundFillsTheAreaWithThePageOnTheWorkspace)
{
    Open(600, 800);
    view->SetZoom(50);
    // A4 at 50 %: 397 x 561 pixels, smaller than the window on both axes.
    const POINT corner = view->GetViewportOrg();
    ASSERT_GT(corner.x, 0);
    ASSERT_GT(corner.y, 0);
    const RECT page {corner.x, corner.y, corner.x + 397, corner.y + 561};
    ASSERT_LT(page.right, 600);
    ASSERT_LT(page.bottom, 800);
    // The whole window, areas across each edge and corner of the page, one
    // inside it, one beside it and one holding it; each clipped to itself,
    // as a repaint is.
    const RECT areas[] = {{0, 0, 600, 800}, {page.left - 20, page.top - 30, page.left + 40, page.top + 50},
        {page.right - 10, page.top + 100, 600, page.top + 140}, {page.left + 50, page.bottom - 5, page.left + 90, 800},
        {page.left + 10, page.top + 10, page.right - 10, page.bottom - 10}, {0, 0, page.left, 800},
        {page.left - 1, page.top - 1, page.right + 1, page.bottom + 1}};
    constexpr gdi::COLORREF kUntouched = 0x0000FF;
    for (const RECT& area : areas) {
        SCOPED_TRACE(testing::Message() << area.left << "," << area.top << "," << area.right << "," << area.bottom);
        gdi::ImageSurface image(600, 800);
        gdi::DC dc(image);
        dc.FillRect({0, 0, 600, 800}, gdi::Brush::Solid(kUntouched));
        const gdi::Region clip = gdi::Region::Rect(area.left, area.top, area.right, area.bottom);
        dc.SelectClipRgn(&clip);
        view->PaintBackground(dc, area);
        auto inside
            = [](const RECT& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; };
        const QImage& pixels = image.Image();
        int wrong = 0;
        for (int y = 0; y < 800; ++y)
            for (int x = 0; x < 600; ++x) {
                const gdi::COLORREF expected
                    = !inside(area, x, y) ? kUntouched : (inside(page, x, y) ? 0xFFFFFF : 0xABABAB);
                const gdi::COLORREF found = gdi::FromQRgb(pixels.pixel(x, y));
                if (found != expected && wrong++ == 0)
                    ADD_FAILURE() << "first wrong pixel at " << x << "," << y << ": " << std::hex << found << " for "
                                  << expected;
            }
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(ViewDrawTest, PrintingClipsToThePageAndDrawsNoGuides)
{
    Open();
    // 300 dpi with the drawable area 30 pixels in from the paper's corner.
    gdi::RecordingSurface printer(gdi::DeviceKind::Printer, 300, 300, {2420, 3448}, {30, 30});
    gdi::DC dc(printer);
    view->OnPrint(dc, 1);
    ASSERT_FALSE(printer.Calls().empty());
    for (const gdi::RecordedCall& call : printer.Calls()) {
        EXPECT_FALSE(call.state.brush == BASICSHADE::GetPatternBrush(5)) << call.ToString();
        EXPECT_FALSE(call.state.brush == gdi::Brush::Solid(0xC0C0C0)) << call.ToString();
        ASSERT_TRUE(call.state.clip.has_value());
        RECT box;
        call.state.clip->GetBox(box);
        EXPECT_GE(box.left, -30);
        EXPECT_GE(box.top, -30);
        EXPECT_LE(box.right, 2480 - 30); // 11906 twips at 300 dpi
        EXPECT_LE(box.bottom, 3508 - 30); // 16838 twips
    }
    // The box one inch from the paper's corner (300 pixels, less the
    // offset), its border of 20 twips (4 pixels) centred on the edge.
    EXPECT_TRUE(std::any_of(printer.Calls().begin(), printer.Calls().end(), [](const gdi::RecordedCall& c) {
        return c.points == std::vector<POINT> {{268, 268}, {572, 572}};
    }));
    // The view still shows its own page afterwards.
    EXPECT_EQ(view->GetCurrentPage(), 1);
}

TEST_F(ViewDrawTest, ZoomCommands)
{
    Open();
    for (const ZoomCommand& zoom : kZoomCommands) {
        SCOPED_TRACE(zoom.percent);
        ASSERT_TRUE(view->ExecuteCommand(zoom.id));
        EXPECT_EQ(view->GetZoom(), zoom.percent);
        VIEWDC v(view.get());
        ASSERT_TRUE(view->SetupOwnDC(v));
        // The viewport extent is a whole number of pixels per inch.
        EXPECT_EQ(v.GetPageWidthDP(), gdi::MulDiv(11906, 96 * zoom.percent / 100, 1440));
        for (const ZoomCommand& other : kZoomCommands) {
            ui::CmdUI item(other.id);
            item.DoUpdate(*view, false);
            EXPECT_EQ(item.Check(), other.id == zoom.id ? 1 : 0);
        }
    }
    // The page is placed again: centred while it fits, at the border when not.
    view->SetZoom(50);
    EXPECT_EQ(view->GetPlacement().left, (900 - 397) / 2);
    view->SetZoom(200);
    EXPECT_EQ(view->GetPlacement().left, 8);
}

TEST_F(ViewDrawTest, PagesAndThePagePane)
{
    Open();
    auto enabled = [&](unsigned id) {
        ui::CmdUI item(id);
        item.DoUpdate(*view, true);
        return item.IsEnabled();
    };
    EXPECT_EQ(view->PagePaneText(), " 1 of 2");
    ui::CmdUI pane(ID_INDICATOR_PAGE);
    pane.DoUpdate(*view, false);
    EXPECT_EQ(pane.Text(), " 1 of 2");
    EXPECT_TRUE(enabled(ID_NEXT_PAGE));
    EXPECT_FALSE(enabled(ID_PREV_PAGE));
    view->ExecuteCommand(ID_NEXT_PAGE);
    EXPECT_EQ(view->PagePaneText(), " 2 of 2");
    EXPECT_FALSE(enabled(ID_NEXT_PAGE));
    EXPECT_TRUE(enabled(ID_PREV_PAGE));
    view->NextPage();
    EXPECT_EQ(view->GetCurrentPage(), 2);
    view->PrevPage();
    view->PrevPage();
    EXPECT_EQ(view->GetCurrentPage(), 1);
}

TEST_F(ViewDrawTest, PositionAndSizeInTheChosenUnit)
{
    Open();
    const struct {
        uint16_t unit;
        RECT rect;
        const char* position;
        const char* size;
    } cases[] = {
        {0, {1440, 2880, 2160, 3447}, " ( 1.00 , 2.00 )", " ( 0.50 x 0.39 )"},
        {1, {1440, 2880, 2160, 3447}, " ( 2.54 , 5.08 )", " ( 1.27 x 1.00 )"},
        {0, {-720, 0, 0, 0}, " ( -0.50 , 0.00 )", " ( 0.50 x 0.00 )"},
    };
    for (const auto& c : cases) {
        view->SetUnit(c.unit);
        EXPECT_EQ(view->PositionText(c.rect.left, c.rect.top), c.position);
        EXPECT_EQ(view->SizeText(c.rect.Width(), c.rect.Height()), c.size);
    }
}

TEST_F(ViewDrawTest, PageHintsKeepTheShownPageValid)
{
    const struct {
        const char* name;
        int shown;
        uint8_t kind;
        uint16_t page;
        int expected;
    } cases[] = {
        {"deleting the last page shows the new last page", 3, kHintPageDeleted, 3, 2},
        {"deleting the shown page shows the one after it", 2, kHintPageDeleted, 2, 2},
        {"deleting an earlier page keeps the same page", 3, kHintPageDeleted, 1, 2},
        {"deleting a later page changes nothing", 1, kHintPageDeleted, 3, 1},
        {"inserting before the shown page keeps the same page", 2, kHintPageInserted, 1, 3},
        {"inserting after the shown page changes nothing", 2, kHintPageInserted, 3, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        doc = MakeTwoPageForm();
        doc->AppendPage();
        Open();
        view->SetPage(c.shown);
        if (c.kind == kHintPageDeleted)
            doc->DeletePage(c.page);
        else
            doc->InsertPage(c.page);
        const FHINT hint(c.kind, c.page);
        view->OnUpdate(nullptr, 0, &hint);
        EXPECT_EQ(view->GetCurrentPage(), c.expected);
    }
}

} // namespace
