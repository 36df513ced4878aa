// The ellipse: its border rules, loading, hit testing and drawing on the
// screen and on a picture.
#include "forms/model/border.h"
#include "forms/model/fellipse.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"

#include "tests/model/shape_fixtures.h"
#include "tests/model/test_objects.h"

#include "platform/gdi/printer_surface.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace {

constexpr uint32_t kBlue = 0xFF0000;

std::unique_ptr<FELLIPSE> Ellipse(RECT r = {1000, 1000, 3000, 2000})
{
    auto e = std::make_unique<FELLIPSE>();
    EXPECT_EQ(e->Init(), 1);
    e->SetRect(r.left, r.top, r.right, r.bottom);
    return e;
}

TEST(Ellipse, BordersAreSolidAndNeverRounded)
{
    auto e = Ellipse();
    BORDER b;
    e->GetBorder(&b);
    EXPECT_EQ(b.roundedFlag, 0u) << "after Init";
    e->SetBorder(BORDER(4, 40, kLineDouble, kBlue, 1, 250));
    e->GetBorder(&b);
    EXPECT_EQ(b.style, 1);
    EXPECT_EQ(b.roundedFlag, 0u);
    EXPECT_EQ(b.lineType, kLineDouble);
}

TEST(Ellipse, ALoadedBorderFollowsTheRulesAndAMasterStays)
{
    auto style = Ellipse();
    style->SetName("Oval");
    FakeDocument doc;
    doc.styles.AddTail(std::move(style));
    FORMOBJ* oval = doc.styles.GetHead();

    auto saved = Ellipse();
    saved->SetMaster(oval);
    std::vector<uint8_t> bytes = Written([&](RECORDARCHIVE& ar) { saved->Save(ar, saved->GetType()); }, &doc);
    // Its border group replaced by one of style 3 with rounding 250.
    auto groups = GroupItems(bytes);
    ASSERT_EQ(groups.size(), 4u);
    groups[1] = Written([&](RECORDARCHIVE& ar) { BORDER(3, 100, kLineSingle, kBlue, 1, 250).Save(ar, 3); });
    std::vector<uint8_t> edited;
    for (const auto& g : groups)
        edited.insert(edited.end(), g.begin(), g.end());
    edited.push_back(kEndGroup);

    FELLIPSE loaded;
    loaded.Init();
    io::MemoryFile file(edited);
    io::Archive ar(file, io::Archive::Load);
    RECORDARCHIVE rec(ar, &doc);
    loaded.Load(rec, 0);
    EXPECT_EQ(loaded.GetMaster(), oval) << "the master named before the border group stays";
    loaded.SetMaster(nullptr);
    BORDER b;
    loaded.GetBorder(&b);
    EXPECT_EQ(b.style, 1);
    EXPECT_EQ(b.roundedFlag, 0u);
    EXPECT_EQ(b.width, 100);
    EXPECT_EQ(b.colour, kBlue);
}

TEST(Ellipse, HitTestingFollowsTheEllipse)
{
    struct Case {
        const char* what;
        int32_t x, y;
        int hit;
    } cases[] = {
        {"centre", 200, 150, 1},
        {"top-left corner of the rectangle", 102, 102, 0},
        {"bottom-right corner of the rectangle", 298, 198, 0},
        {"left end, on the border's outer edge", 100, 150, 1},
        {"just outside the border's outer edge", 97, 150, 0},
        {"unturned: in the ellipse lying wide", 120, 150, 1},
        {"unturned: not in the ellipse standing tall", 200, 60, 0},
    };
    auto e = Ellipse();
    e->SetRotation(900, nullptr);
    Mapped m(kDeviceWindow, 10, 1, {0, 0});
    for (const Case& c : cases)
        EXPECT_EQ(e->HitTest(m.dc, c.x, c.y), c.hit) << c.what;
}

TEST(Ellipse, DrawingOnTheScreen)
{
    auto e = Ellipse();
    BASICSHADE fill;
    fill.SetPattern(10);
    fill.SetColour1(kBlue);
    e->SetShade(fill);
    SHADOW s;
    s.x = 90;
    s.y = 90;
    e->SetShadow(s);
    Mapped m(kDeviceWindow, 10, 1);
    e->Draw(m.dc);
    ASSERT_EQ(m.Names(), (std::vector<std::string> {"Ellipse", "PatBlt", "Ellipse"}));
    EXPECT_EQ(m.Calls()[0].points, (std::vector<POINT> {{108, 108}, {310, 210}})) << "shadow";
    EXPECT_EQ(m.Calls()[1].points, (std::vector<POINT> {{101, 101}, {300, 200}})) << "fill, clipped";
    ASSERT_TRUE(m.Calls()[1].state.clip.has_value());
    EXPECT_EQ(m.Calls()[2].points, (std::vector<POINT> {{99, 99}, {301, 201}})) << "border";
    EXPECT_EQ(m.Calls()[2].state.pen, gdi::Pen::InsideFrame(2, 0));
}

TEST(Ellipse, DrawingOnAPicture)
{
    struct Case {
        const char* what;
        uint16_t width;
        int16_t noFill;
        gdi::Pen pen;
        bool filled;
    } cases[] = {
        {"outline and fill", 40, 0, gdi::Pen::Solid(40, kBlue), true},
        {"no outline at width 0", 0, 0, gdi::Pen::Null(), true},
        {"no fill with the flag set", 40, 1, gdi::Pen::Solid(40, kBlue), false},
    };
    for (const Case& c : cases) {
        auto e = Ellipse();
        BORDER b;
        b.width = c.width;
        b.colour = kBlue;
        e->SetBorder(b);
        BASICSHADE fill;
        fill.SetPattern(3);
        fill.noFill = c.noFill;
        e->SetShade(fill);
        SHADOW s;
        s.x = 90;
        e->SetShadow(s);
        Mapped m(kDevicePicture, 1, 1, {500, 500});
        e->Draw(m.dc);
        ASSERT_EQ(m.Names(), std::vector<std::string> {"Ellipse"}) << c.what;
        const auto& call = m.Calls()[0];
        EXPECT_EQ(call.points, (std::vector<POINT> {{1000, 1000}, {3000, 2000}})) << "twips as they stand";
        EXPECT_EQ(call.state.pen, c.pen) << c.what;
        EXPECT_EQ(call.state.brush, c.filled ? BASICSHADE::GetPatternBrush(3) : gdi::GetStockBrush(gdi::NULL_BRUSH))
            << c.what;
    }
}

TEST(Ellipse, APageSizedEllipseOnPaperCostsNoMoreThanASmallOne)
{
    // Letter paper at 1200 dpi: over 13000 device rows. Shadow, patterned
    // fill and border are outlines, so the time and the PDF stay small.
    const std::string pdf = (std::filesystem::path(FORMS_TEST_OUTPUT_DIR) / "ellipse_1200dpi.pdf").string();
    std::filesystem::create_directories(FORMS_TEST_OUTPUT_DIR);
    const auto start = std::chrono::steady_clock::now();
    {
        auto surface = gdi::PrinterSurface::ForPdf(pdf, QPageSize::Letter, 1200);
        gdi::DC device(*surface);
        VIEWDC dc;
        dc.dc = &device;
        dc.deviceKind = kDevicePrinter;
        dc.SetMapMode(gdi::MM_ANISOTROPIC);
        dc.SetWindowExt(1440, 1440);
        dc.SetViewportExt(1200, 1200);
        auto e = Ellipse({200, 200, 12040, 15640});
        e->SetBorder(BORDER(1, 60, kLineDouble, kBlue, 0, 0));
        BASICSHADE shade;
        shade.SetColour1(0x0080FF);
        shade.SetPattern(5);
        e->SetShade(shade);
        SHADOW shadow;
        shadow.colour = 0x808080;
        shadow.x = 90;
        shadow.y = 90;
        e->SetShadow(shadow);
        e->Draw(dc);
        ASSERT_TRUE(surface->EndDoc());
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_LT(std::filesystem::file_size(pdf), 20u * 1024u);
}

TEST(Ellipse, DefaultsAndCopies)
{
    auto e = Ellipse();
    e->ResetToDefaults();
    RECT r;
    e->GetRect(r);
    EXPECT_EQ(r, (RECT {190, 190, 1250, 2310}));
    auto copy = e->Clone();
    ASSERT_TRUE(copy);
    EXPECT_STREQ(copy->GetRuntimeClass(), "FELLIPSE");
    copy->GetRect(r);
    EXPECT_EQ(r, (RECT {190, 190, 1250, 2310}));
}

TEST(Ellipse, DragOutlineIsADottedInvertedEllipse)
{
    auto e = Ellipse();
    gdi::RecordingSurface surface;
    gdi::DC device(surface);
    e->DrawFocusOutline({10, 20, 110, 70}, &device);
    ASSERT_EQ(surface.Calls().size(), 1u);
    const auto& call = surface.Calls()[0];
    EXPECT_EQ(call.name, "Ellipse");
    EXPECT_EQ(call.points, (std::vector<POINT> {{10, 20}, {110, 70}}));
    EXPECT_EQ(call.state.pen, gdi::Pen::Dotted(0));
    EXPECT_TRUE(call.state.brush.IsNull());
    EXPECT_EQ(call.state.rop2, gdi::R2_NOT);
    EXPECT_EQ(device.GetROP2(), gdi::R2_COPYPEN) << "the device context is put back";
    EXPECT_EQ(device.GetBkMode(), gdi::OPAQUE);
}

} // namespace
