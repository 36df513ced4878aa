#include "forms/model/int_exception.h"
#include "forms/model/viewdc.h"
#include "tests/model/test_objects.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

void Append(Bytes& b, std::initializer_list<uint8_t> more)
{
    b.insert(b.end(), more);
}

void AppendI32(Bytes& b, int32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(uint8_t(uint32_t(v) >> (8 * i)));
}

Bytes PageRectRecord(uint16_t page, RECT r)
{
    Bytes b = {0x81, 18, 0, uint8_t(page), uint8_t(page >> 8)};
    AppendI32(b, r.left);
    AppendI32(b, r.top);
    AppendI32(b, r.right);
    AppendI32(b, r.bottom);
    return b;
}

Bytes StringRecord(uint8_t tag, const std::string& s)
{
    uint16_t n = uint16_t(s.size() + 1);
    Bytes b = {tag, uint8_t(n + 2), 0, uint8_t(n), uint8_t(n >> 8)};
    for (char c : s)
        b.push_back(uint8_t(c));
    b.push_back(0);
    return b;
}

std::unique_ptr<TestBox> LoadBox(const Bytes& bytes, OBJECT_DOCUMENT* doc = nullptr)
{
    io::MemoryFile file(bytes);
    io::Archive ar(file, io::Archive::Load);
    RECORDARCHIVE rec(ar, doc);
    EXPECT_EQ(rec.ReadTag(), kTypeBox);
    auto box = std::make_unique<TestBox>();
    box->Load(rec, 0);
    return box;
}

TEST(FormObjectBase, BaseGroupRoundTripsByteForByte)
{
    TestBox box;
    box.SetPlace(2, {100, 200, 1300, 900}, 450);
    box.SetName("Total");

    Bytes expected = {kTypeBox, kBaseGroupTag};
    Bytes rec = PageRectRecord(2, {100, 200, 1300, 900});
    expected.insert(expected.end(), rec.begin(), rec.end());
    rec = StringRecord(0x82, "Total");
    expected.insert(expected.end(), rec.begin(), rec.end());
    Append(expected, {0x84, 0x02, 0x00, 0xC2, 0x01, 0xFF, 0xFF});

    Bytes written = Written([&](RECORDARCHIVE& r) { box.Save(r, kTypeBox); });
    EXPECT_EQ(written, expected);

    auto loaded = LoadBox(written);
    RECT r;
    loaded->GetRect(r);
    EXPECT_EQ(r, (RECT {100, 200, 1300, 900}));
    EXPECT_EQ(loaded->GetPage(), 2);
    EXPECT_EQ(loaded->GetName(), "Total");
    EXPECT_EQ(loaded->GetRotation(), 450);
    EXPECT_EQ(Written([&](RECORDARCHIVE& w) { loaded->Save(w, kTypeBox); }), expected);
}

TEST(FormObjectBase, MasterIsSavedByNameWithItsAppearanceCopiedIn)
{
    FakeDocument doc;
    auto style = std::make_unique<TestBox>(kTypeBox, "style");
    style->SetName("Heading");
    style->hasBorder = true;
    style->border.width = 40;
    TestBox* styleObject = style.get();
    doc.styles.AddTail(std::move(style));

    TestBox box;
    box.SetPlace(1, {0, 0, 500, 500});
    box.SetMaster(styleObject);
    Bytes written = Written([&](RECORDARCHIVE& r) { box.Save(r, kTypeBox); }, &doc);

    Bytes master = StringRecord(0x83, "Heading");
    EXPECT_NE(std::search(written.begin(), written.end(), master.begin(), master.end()), written.end());
    EXPECT_EQ(box.GetMaster(), styleObject);

    auto withStyle = LoadBox(written, &doc);
    EXPECT_EQ(withStyle->GetMaster(), styleObject);

    FakeDocument otherDoc;
    auto withoutStyle = LoadBox(written, &otherDoc);
    EXPECT_EQ(withoutStyle->GetMaster(), nullptr);
    BORDER b;
    ASSERT_TRUE(withoutStyle->GetBorder(&b));
    EXPECT_EQ(b.width, 40);
}

TEST(FormObjectBase, NoMasterRecordWithoutAMaster)
{
    TestBox box;
    Bytes written = Written([&](RECORDARCHIVE& r) { box.Save(r, kTypeBox); });
    Bytes master = {0x83};
    EXPECT_EQ(std::search(written.begin(), written.end(), master.begin(), master.end()), written.end());
}

TEST(FormObjectBase, LoadSkipsUnknownItemsAndToleratesOddRecordLengths)
{
    Bytes bytes = {kTypeBox, kBaseGroupTag};
    Append(bytes, {0xA7, 0x02, 0x00, 0x81, 0x81}); // unknown record
    Append(bytes, {0x40, 0x81, 0x00, 0x00, 0xFF}); // unknown group
    Append(bytes, {0x81, 0x06, 0x00, 0x03, 0x00}); // page and left only
    AppendI32(bytes, 150);
    Append(bytes, {0x84, 0x04, 0x00, 0x84, 0x03, 0x99, 0x99}); // rotation and two extra bytes
    Append(bytes, {0xFF, 0xFF});

    auto box = LoadBox(bytes);
    EXPECT_EQ(box->GetPage(), 3);
    RECT r;
    box->GetRect(r);
    EXPECT_EQ(r, (RECT {0, 0, 150, 0}));
    EXPECT_EQ(box->GetRotation(), 900);
}

struct HitCase {
    const char* what;
    uint16_t rotation;
    int32_t x, y;
    int expected;
};

TEST(FormObjectBase, HitTesting)
{
    FakeView view;
    view.originX = 1000;
    // After the origin of 1000 and the halving mapping the rectangle lies
    // at device (0, 0, 1000, 100).
    g_twipsPerDevice = 2;
    VIEWDC dc(&view);
    view.SetupOwnDC(dc);
    g_twipsPerDevice = 1;
    const HitCase cases[] = {
        {"inside", 0, 500, 50, 1},
        {"left edge", 0, 0, 50, 1},
        {"right bottom corner", 0, 1000, 100, 1},
        {"one beyond the right edge", 0, 1001, 50, 0},
        {"one below the bottom edge", 0, 500, 101, 0},
        {"turned: inside the turned outline only", 900, 500, 300, 1},
        {"turned: inside the unturned rectangle only", 900, 900, 50, 0},
        {"turned: centre", 900, 500, 50, 1},
    };
    for (const HitCase& c : cases) {
        TestBox box;
        box.SetPlace(1, {1000, 0, 3000, 200}, c.rotation);
        EXPECT_EQ(box.HitTest(dc, c.x, c.y), c.expected) << c.what;
    }
}

TEST(FormObjectBase, AlignKeepsTheObjectOnThePage)
{
    struct Case {
        const char* what;
        uint16_t code;
        int32_t x, y;
        int moved;
        RECT after;
    };
    const Case cases[] = {
        {"left edge far right stops at the page edge", 2, 20000, 0, 1, {11240, 100, 12240, 600}},
        {"left edge at x", 2, 300, 0, 1, {300, 100, 1300, 600}},
        {"centred near the left edge", 1, 50, 0, 1, {0, 100, 1000, 600}},
        {"right edge at x", 3, 5000, 0, 1, {4000, 100, 5000, 600}},
        {"right edge left of the page", 3, 200, 0, 1, {0, 100, 1000, 600}},
        {"top edge at y", 0x0400, 0, 800, 1, {100, 800, 1100, 1300}},
        {"bottom edge at y", 0x0500, 0, 3000, 1, {100, 2500, 1100, 3000}},
        {"centred vertically at the page bottom", 0x0100, 0, 15840, 1, {100, 15340, 1100, 15840}},
        {"already in place", 2, 100, 0, 0, {100, 100, 1100, 600}},
    };
    for (const Case& c : cases) {
        FakeView view;
        TestBox box;
        box.SetPlace(1, {100, 100, 1100, 600});
        EXPECT_EQ(box.Align(&view, c.code, c.x, c.y), c.moved) << c.what;
        RECT r;
        box.GetRect(r);
        EXPECT_EQ(r, c.after) << c.what;
    }
}

TEST(FormObjectBase, IsInsideRect)
{
    TestBox box;
    box.SetPlace(1, {100, 100, 1100, 600});
    EXPECT_EQ(box.IsInsideRect(100, 100, 1100, 600), 1);
    EXPECT_EQ(box.IsInsideRect(1100, 600, 100, 100), 1);
    EXPECT_EQ(box.IsInsideRect(101, 100, 1100, 600), 0);
    EXPECT_EQ(box.IsInsideRect(100, 100, 1100, 599), 0);

    box.SetPlace(1, {100, 100, 1100, 600}, 900);
    EXPECT_EQ(box.IsInsideRect(100, 100, 1100, 600), 0) << "the turned bounds stand out above and below";
    EXPECT_EQ(box.IsInsideRect(300, -200, 900, 900), 1);
}

TEST(FormObjectBase, ResetToDefaults)
{
    FakeDocument doc;
    TestBox other;
    TestBox box;
    box.SetPlace(4, {0, 0, 10, 10}, 300);
    box.SetName("Old");
    box.SetMaster(&other);
    box.SetSelectFlag(1);
    box.ResetToDefaults();

    RECT r, bounds;
    box.GetRect(r);
    box.GetBoundingRect(bounds);
    EXPECT_EQ(r, (RECT {190, 190, 1250, 1250}));
    EXPECT_EQ(bounds, r);
    EXPECT_EQ(box.GetPage(), 1);
    EXPECT_EQ(box.GetName(), "");
    EXPECT_EQ(box.GetMaster(), nullptr);
    EXPECT_EQ(box.GetSelected(), 0);
    EXPECT_EQ(box.GetRotation(), 0);
}

TEST(FormObjectBase, SelectAndDeselectTellTheSelectionOnce)
{
    FakeView view;
    TestBox box;
    box.Select(&view);
    box.Select(&view);
    EXPECT_EQ(view.selectedCount, 1);
    EXPECT_EQ(box.GetSelected(), 1);

    EXPECT_EQ(box.Deselect(nullptr), 0);
    EXPECT_EQ(box.GetSelected(), 0);
    EXPECT_EQ(view.selectedCount, 1);
    EXPECT_TRUE(view.invalidRects.empty());

    box.SetSelectFlag(1);
    box.Deselect(&view);
    EXPECT_EQ(view.selectedCount, 0);
    EXPECT_EQ(view.invalidRects.size(), 1u);
}

TEST(FormObjectBase, InvalidateCoversHandlesShadowAndOtherViews)
{
    FakeView view;
    view.active = true;
    TestBox box;
    box.SetPlace(1, {1000, 1000, 2000, 1500});
    box.hasShadow = true;
    box.shadow.x = 60;
    box.shadow.y = -40;
    box.SetSelectFlag(1);
    box.Invalidate(&view);
    ASSERT_EQ(view.invalidRects.size(), 1u);
    EXPECT_EQ(view.invalidRects[0], (RECT {909, 909, 2091, 1591}));
    EXPECT_EQ(view.othersTold, std::vector<FORMOBJ*> {&box});

    box.SetSelectFlag(0);
    box.SetRotation(900, nullptr);
    box.Invalidate(&view);
    EXPECT_EQ(view.invalidOutlines.size(), 1u);
    EXPECT_EQ(view.invalidRects.size(), 1u);
}

TEST(FormObjectBase, AppearanceDialogKeepsOrUndoesTheChange)
{
    struct Case {
        int sheetResult;
        int answer;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {1, 1, {"record undo", "sheet open", "run 464", "sheet closed", "drop undo"}},
        {2, 0, {"record undo", "sheet open", "run 464", "sheet closed", "undo", "drop undo"}},
        {20, 1, {"record undo", "sheet open", "run 464", "sheet closed", "drop undo", "command 32825", "focus"}},
    };
    for (const Case& c : cases) {
        FakeView view;
        view.sheetResult = c.sheetResult;
        TestBox box;
        EXPECT_EQ(box.ShowProperties(&view), c.answer);
        EXPECT_EQ(view.calls, c.calls) << "sheet answer " << c.sheetResult;
    }
    FakeView view;
    view.sheetResult = 20;
    TestBox button(kTypeButton);
    button.ShowAppearanceDialog(&view, 464);
    EXPECT_NE(std::find(view.calls.begin(), view.calls.end(), "command 32909"), view.calls.end());

    view.sheetResult = -1;
    try {
        button.ShowAppearanceDialog(&view, 464);
        ADD_FAILURE() << "an unfilled sheet must raise";
    } catch (const CIntException& e) {
        EXPECT_EQ(e.GetId(), 201);
    }
}

TEST(FormObjectBase, TextRectFollowsTheBorder)
{
    FakeView view;
    VIEWDC dc(&view);
    TestBox box;
    box.SetPlace(1, {0, 0, 1000, 500});
    RECT r;
    box.GetTextRect(r, dc);
    EXPECT_EQ(r, (RECT {30, 0, 970, 500}));

    box.hasBorder = true;
    box.border.width = 40;
    box.GetTextRect(r, dc);
    EXPECT_EQ(r, (RECT {30, 20, 970, 480}));

    box.border.width = 100;
    box.GetTextRect(r, dc);
    EXPECT_EQ(r, (RECT {80, 50, 920, 450}));
}

TEST(FormObjectBase, DetachingAndTakingAppearance)
{
    TestBox style;
    style.hasBorder = true;
    style.border.width = 75;
    TestBox box;
    box.SetMaster(&style);
    BORDER b;
    ASSERT_TRUE(box.GetBorder(&b));
    EXPECT_EQ(b.width, 75);

    box.ReleaseMaster();
    EXPECT_EQ(box.GetMaster(), nullptr);
    style.border.width = 10;
    ASSERT_TRUE(box.GetBorder(&b));
    EXPECT_EQ(b.width, 75);

    TestBox source;
    source.hasBorder = true;
    source.border.width = 33;
    source.SetMaster(&style);
    TestBox target;
    target.TakeAppearanceFrom(source);
    EXPECT_EQ(target.GetMaster(), &style);
    EXPECT_TRUE(target.hasBorder);
    EXPECT_EQ(target.border.width, 10) << "the source shows its master's border";
}

TEST(FormObjectBase, BaseAnswers)
{
    TestBox box;
    FORMOBJ* named = &box;
    EXPECT_EQ(box.IsSelected(&named), 0);
    EXPECT_EQ(named, nullptr);
    EXPECT_EQ(box.GetNextWord(nullptr, nullptr, 0), kNoMoreWords);
    EXPECT_EQ(box.CanBeGrouped(), 1);
    EXPECT_EQ(TestBox(kTypePicture).CanBeGrouped(), 0);
    EXPECT_EQ(TestBox(kTypeOle).CanBeGrouped(), 0);
    SIZE s;
    box.GetMaxSize(s);
    EXPECT_EQ(s, (SIZE {32400, 32400}));
    box.GetMinSize(s);
    EXPECT_EQ(s, (SIZE {90, 90}));
    uint16_t angle = 7;
    EXPECT_EQ(box.QueryAngle(&angle), 1);
    EXPECT_EQ(angle, 0);
    EXPECT_EQ(FORMOBJ::UnionRectNormalized({5, 5, 5, 5}, {10, 10, 0, 0}), (RECT {0, 0, 10, 10}));
    EXPECT_EQ(FORMOBJ::UnionRectNormalized({5, 5, 6, 5}, {10, 10, 0, 0}), (RECT {0, 0, 10, 10}));
    EXPECT_EQ(FORMOBJ::UnionRectNormalized({50, 5, 60, 5}, {10, 10, 0, 0}), (RECT {0, 0, 60, 10}));
}

} // namespace
