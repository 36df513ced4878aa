// The document's styles: insertion in name order, the walks by type, the
// current style name of each kind, and a style named by a style in the
// styles' section, which is dropped.
#include "tests/document/document_test_support.h"

#include "forms/document/fdocument.h"
#include "forms/document/style_kinds.h"
#include "forms/model/border.h"
#include "forms/model/fbox.h"
#include "forms/model/fobjlist.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::unique_ptr<FORMOBJ> Style(uint8_t type, const std::string& name)
{
    auto style = std::make_unique<TestBox>(type, name);
    style->SetName(name);
    return style;
}

// The style list as "type:name" in list order.
std::string Listing(FDOCUMENT& doc)
{
    std::string out;
    for (FORMOBJ* s = doc.GetFirstListObject(); s; s = doc.GetNextObject(s))
        out += (out.empty() ? "" : " ") + std::to_string(s->GetType()) + ":" + s->GetName();
    return out;
}

TEST(DocumentStyles, AddStyleInNameOrderPlacesEachStyleAmongItsType)
{
    struct Case {
        const char* what;
        std::vector<std::pair<uint8_t, std::string>> before;
        uint8_t type;
        std::string name;
        int result;
        std::string after;
    };
    const Case cases[] = {
        {"an empty list", {}, 19, "Red", 1, "19:Red"},
        {"no style of the type goes to the head", {{21, "Body"}}, 19, "Red", 1, "19:Red 21:Body"},
        {"before the first greater name", {{19, "Blue"}, {19, "Red"}}, 19, "Green", 1, "19:Blue 19:Green 19:Red"},
        {"case ignored in the order", {{19, "blue"}, {19, "red"}}, 19, "Green", 1, "19:blue 19:Green 19:red"},
        {"after the last of its type, at the tail", {{21, "Body"}, {19, "Blue"}}, 19, "Red", 1,
            "21:Body 19:Blue 19:Red"},
        {"after the last of its type, inside the list", {{19, "Blue"}, {21, "Body"}}, 19, "Red", 1,
            "19:Blue 19:Red 21:Body"},
        {"the same name in another case", {{19, "Red"}}, 19, "RED", 0, "19:Red"},
        {"the same name of another type", {{21, "Red"}}, 19, "Red", 1, "19:Red 21:Red"},
    };
    FormKinds kinds;
    for (const Case& c : cases) {
        FDOCUMENT doc;
        for (const auto& [type, name] : c.before)
            doc.GetStyles().AddTail(Style(type, name));
        EXPECT_EQ(doc.AddStyleInNameOrder(Style(c.type, c.name)), c.result) << c.what;
        EXPECT_EQ(Listing(doc), c.after) << c.what;
    }
}

TEST(DocumentStyles, WalksByTypeAndCurrentNamesThatASaveNeverKeeps)
{
    FormKinds kinds;
    ProgramParts parts;
    FDOCUMENT doc;
    for (const auto& [type, name] :
        std::vector<std::pair<uint8_t, std::string>> {{19, "Blue"}, {17, "Round"}, {19, "Red"}, {18, "Rule"}})
        doc.AddStyleInNameOrder(Style(type, name));
    std::vector<std::string> boxes;
    for (FORMOBJ* s = doc.FindFirstStyle(19); s; s = doc.FindNextStyle(19, s))
        boxes.push_back(s->GetName());
    EXPECT_EQ(boxes, (std::vector<std::string> {"Blue", "Red"}));
    EXPECT_EQ(doc.FindFirstStyle(0x0B), nullptr) << "no list-box styles: fields are type 0x14";

    STYLE_KINDS& current = doc.GetStyleKinds();
    current.SetCurrentName(19, "Red");
    current.SetCurrentName(0x23, "Tool");
    current.SetCurrentName(0x42, "Nothing");
    EXPECT_EQ(current.GetCurrentName(19), "Red");
    EXPECT_EQ(current.GetCurrentName(0x42), "") << "a kind outside the table keeps no name";
    EXPECT_EQ(StyleKindIndex(0x13), 0);
    EXPECT_EQ(StyleKindIndex(0x23), 14);
    EXPECT_EQ(StyleKindIndex(0x14), 5);

    TempFolder folder;
    const std::string path = folder.File("styles.qwm");
    ASSERT_TRUE(doc.OnSaveDocument(path));
    FDOCUMENT reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    EXPECT_EQ(Listing(reopened), Listing(doc));
    EXPECT_EQ(reopened.GetStyleKinds().GetCurrentName(19), "") << "the current names are not saved";
}

TEST(DocumentStyles, AStyleThatNamesAnotherInTheStylesSectionFollowsNone)
{
    FormKinds kinds;
    ProgramParts parts;
    FDOCUMENT doc;
    auto box = [](const char* name, uint16_t width) {
        auto made = std::make_unique<FBOX>();
        BORDER border;
        border.width = width;
        made->Create(BASICSHADE(), border, SHADOW());
        made->ResetToDefaults();
        made->SetName(name);
        return made;
    };
    auto base = box("Base", 40);
    FORMOBJ* baseStyle = base.get();
    doc.GetStyles().AddTail(std::move(base));
    auto chained = box("Chained", 10);
    chained->SetMaster(baseStyle);
    FORMOBJ* chainedStyle = chained.get();
    doc.GetStyles().AddTail(std::move(chained));
    auto user = box("", 20);
    user->SetMaster(chainedStyle);
    doc.GetObjects().SetObjectPage(std::move(user), 1);

    TempFolder folder;
    const std::string path = folder.File("chain.qwm");
    ASSERT_TRUE(doc.OnSaveDocument(path));
    FDOCUMENT reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    FORMOBJ* readBase = reopened.FindObjectByName(kTypeBox, "Base");
    FORMOBJ* readChained = reopened.FindObjectByName(kTypeBox, "Chained");
    ASSERT_TRUE(readBase && readChained);
    EXPECT_EQ(readChained->GetMaster(), nullptr) << "the master named in the styles' section is dropped";
    BORDER shown;
    ASSERT_TRUE(readChained->GetBorder(&shown));
    EXPECT_EQ(shown.width, 40) << "it keeps the look saved in its own groups";
    FORMOBJ* readUser = reopened.GetObjects().GetHead();
    ASSERT_NE(readUser, nullptr);
    EXPECT_EQ(readUser->GetMaster(), readChained) << "objects still follow their style";

    reopened.DeleteStyle(readBase);
    ASSERT_TRUE(readChained->GetBorder(&shown));
    EXPECT_EQ(shown.width, 40);
    ASSERT_TRUE(readUser->GetBorder(&shown));
    EXPECT_EQ(shown.width, 40);
    EXPECT_EQ(reopened.FindObjectByName(kTypeBox, "Base"), nullptr);
}

} // namespace
