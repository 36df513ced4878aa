// The edit site of a form object passes the editor's reports on to the
// view, only as far as the view and the object have the facility, and
// sizes the object to its text under the view's placement check.
#include "forms/fields/editor/field_edit_site.h"

#include "tests/model/test_objects.h"

#include "platform/ui/virtual_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Str(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + ","
        + std::to_string(r.bottom);
}

// A view that records what the site asks of it.
class SiteView : public FakeView {
public:
    void MoveToField(bool forward) override { calls.push_back(forward ? "next field" : "previous field"); }
    void SetTextAttr(const TEXTATTR& attr) override { calls.push_back("attr " + std::to_string(attr.size)); }
    void UpdateFormatBar(int n) override { calls.push_back("format bar " + std::to_string(n)); }
    void ShowFieldHelp(FORMOBJ* o, const RECT& r) override
    {
        calls.push_back(std::string("help ") + (o ? "object " : "none ") + Str(r));
    }
    void OnPageKeyUp(bool pageUp, bool control) override
    {
        calls.push_back(std::string(pageUp ? "page up" : "page down") + (control ? " ctrl" : ""));
    }
    void SetEditRepaintRect(const RECT& r) override { calls.push_back("repaint " + Str(r)); }
    int AutoScroll(int16_t dx, int16_t dy, uint16_t page) override
    {
        calls.push_back("scroll " + std::to_string(dx) + " " + std::to_string(dy) + " page " + std::to_string(page));
        return scrolls;
    }
    void MoveToCellAbove() override { calls.push_back("cell above"); }
    void MoveToCellBelow() override { calls.push_back("cell below"); }
    int IsValidObjectPlacement(FORMOBJ*, const RECT& r) override
    {
        calls.push_back("placement " + Str(r));
        return placementValid;
    }

    int scrolls = 1;
    int placementValid = 1;
};

class FieldEditSiteTest : public ::testing::Test {
protected:
    FieldEditSiteTest() { object.SetPlace(3, {1000, 1000, 3000, 2000}); }

    SiteView view;
    TestBox object {kTypeText};
    FIELDEDITSITE site {&view, &object};
};

TEST_F(FieldEditSiteTest, ReportsGoOnToTheView)
{
    TEXTATTR attr;
    attr.size = 14;
    site.MoveToField(0);
    site.MoveToField(1);
    site.OnSelChange(attr);
    site.ReportCaretAttr(attr);
    site.ShowFieldHelp(nullptr, {10, 20, 110, 40});
    site.OnKeyUp(ui::VK_NEXT, 1, 0);
    site.OnKeyUp(ui::VK_PRIOR, 3, ui::kKeyCtrl | ui::kKeyRepeat);
    site.OnKeyUp(ui::VK_DOWN, 1, 0);
    site.InvalidateEditRect({5, 6, 7, 8});
    EXPECT_EQ(site.ScrollTo(365, -360), 1);
    view.scrolls = 0;
    EXPECT_EQ(site.ScrollTo(0, 40000), 0) << "the view's answer";
    EXPECT_EQ(view.calls,
        (std::vector<std::string> {"next field", "previous field", "attr 14", "attr 14", "format bar 1",
            "help object 10,20,110,40", "page down", "page up ctrl", "repaint 5,6,7,8", "scroll 365 -360 page 3",
            "scroll 0 32767 page 3"}));
    RECT r;
    site.GetObjectRect(r);
    EXPECT_EQ(Str(r), "1000,1000,3000,2000");
}

TEST_F(FieldEditSiteTest, OnlyATableCellMovesToTheCellAboveOrBelow)
{
    site.MoveToCellAbove();
    site.MoveToCellBelow();
    EXPECT_TRUE(view.calls.empty());
    TestBox cell(kTypeCell);
    FIELDEDITSITE cellSite(&view, &cell);
    cellSite.MoveToCellAbove();
    cellSite.MoveToCellBelow();
    EXPECT_EQ(view.calls, (std::vector<std::string> {"cell above", "cell below"}));
}

TEST_F(FieldEditSiteTest, FittingKeepsTheCornerAndChecksThePlacement)
{
    struct Case {
        const char* name;
        RECT needed;
        uint16_t angle;
        int32_t originX;
        int valid;
        int answer;
        const char* checked;
        const char* after;
    };
    // The box's text area is 60 twips narrower than its rectangle.
    const Case cases[] = {
        {"taller", {0, 0, 1940, 1500}, 0, 0, 1, 1, "1000,1000,3000,2500", "1000,1000,3000,2500"},
        {"narrower and lower", {0, 0, 1440, 600}, 0, 0, 1, 1, "1000,1000,2500,1600", "1000,1000,2500,1600"},
        {"wider", {100, 100, 2540, 1100}, 0, 0, 1, 1, "1000,1000,3500,2000", "1000,1000,3500,2000"},
        {"refused", {0, 0, 1940, 1500}, 0, 0, 0, 0, "1000,1000,3000,2500", "1000,1000,3000,2000"},
        {"moved by the origin", {0, 0, 1940, 1000}, 0, 400, 1, 1, "600,1000,2600,2000", "1000,1000,3000,2000"},
        {"turned a quarter", {0, 0, 1940, 1000}, 900, 0, 1, 1, "1499,499,2499,2499", "1000,1000,3000,2000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        object.SetPlace(3, {1000, 1000, 3000, 2000}, c.angle);
        view.calls.clear();
        view.originX = c.originX;
        view.placementValid = c.valid;
        EXPECT_EQ(site.FitObjectToText(c.needed), c.answer);
        EXPECT_EQ(view.calls, (std::vector<std::string> {std::string("placement ") + c.checked}));
        RECT r;
        object.GetRect(r);
        EXPECT_EQ(Str(r), c.after);
    }
}

// Typing a long value into a one-line field must not grow the field over
// the one below: the editor refuses what does not fit instead.
TEST_F(FieldEditSiteTest, AFieldOrACellKeepsItsRectangleWhateverItsTextNeeds)
{
    for (uint8_t type : {kTypeField, kTypeCell}) {
        SCOPED_TRACE(int(type));
        TestBox field {type};
        field.SetPlace(3, {1000, 1000, 3000, 1300});
        FIELDEDITSITE fieldSite {&view, &field};
        view.calls.clear();
        EXPECT_EQ(fieldSite.FitObjectToText({0, 0, 1940, 1500}), 0);
        EXPECT_TRUE(view.calls.empty()) << "no placement is asked for";
        RECT r;
        field.GetRect(r);
        EXPECT_EQ(Str(r), "1000,1000,3000,1300");
    }
}

TEST_F(FieldEditSiteTest, AViewWithoutTheFacilitiesTakesEverythingQuietly)
{
    FakeView plain;
    FIELDEDITSITE plainSite(&plain, &object);
    plainSite.MoveToField(0);
    plainSite.OnSelChange(TEXTATTR {});
    plainSite.MoveToCellAbove();
    EXPECT_EQ(plainSite.ScrollTo(500, 0), 0);
    EXPECT_EQ(plainSite.FitObjectToText({0, 0, 1940, 1500}), 1);
    RECT r;
    object.GetRect(r);
    EXPECT_EQ(Str(r), "1000,1000,3000,2500");

    FIELDEDITSITE orphan(nullptr, nullptr);
    EXPECT_EQ(orphan.ScrollTo(10, 10), 0);
    EXPECT_EQ(orphan.FitObjectToText({0, 0, 10, 10}), 0);
    orphan.GetObjectRect(r);
    EXPECT_EQ(Str(r), "0,0,0,0");
}

} // namespace
