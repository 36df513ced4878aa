// Dialog definitions: a whole definition read, each kind of bad line refused
// with the file and line, and definitions read from a resource folder.
#include "platform/res/dialog_template.h"
#include "platform/res/errors.h"
#include "platform/res/missing_handler.h"
#include "platform/res/resources.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using res::ControlKind;

namespace {

constexpr char kGood[]
    = "# A dialog\r\n"
      "DIALOG\t2054\n"
      "CAPTION\tShadow\n"
      "SIZE\t186 118\n"
      "FONT\t8\tMS Sans Serif\n"
      "\n"
      "CONTROL\t1\tDEFPUSHBUTTON\t130 6 50 14\tGROUP TABSTOP\tOK\n"
      "CONTROL\t1295\tPUSHBUTTON\t6 6 40  24\tOWNERDRAW  TABSTOP\tNone\n"
      "CONTROL\t65535\tLTEXT\t6 40 40 8\t-\t&Value:\n"
      "CONTROL\t65535\tGROUPBOX\t-2 34 60 30\t-\t\n"
      "CONTROL\t1194\tCOMBOBOX\t50 40 60 80\tDROPDOWNLIST OWNERDRAW SORT\tTab\\there \\\\ caf\xC3\xA9\n";

TEST(DialogTemplate, ReadsCaptionSizeFontAndControlsInOrder)
{
    const res::DialogTemplate d = res::ParseDialogTemplate(kGood, "2054.dlg");
    EXPECT_EQ(d.id, 2054);
    EXPECT_FALSE(d.page);
    EXPECT_EQ(d.caption, "Shadow");
    EXPECT_EQ(d.width, 186);
    EXPECT_EQ(d.height, 118);
    EXPECT_EQ(d.fontPoints, 8);
    EXPECT_EQ(d.fontFace, "MS Sans Serif");
    ASSERT_EQ(d.controls.size(), 5u);
    const res::DialogControl& ok = d.controls[0];
    EXPECT_EQ(ok.id, 1);
    EXPECT_EQ(ok.kind, ControlKind::DefPushButton);
    EXPECT_EQ((std::vector<int> {ok.x, ok.y, ok.width, ok.height}), (std::vector<int> {130, 6, 50, 14}));
    EXPECT_EQ(ok.styles, res::kStyleGroup | res::kStyleTabStop);
    EXPECT_EQ(ok.text, "OK");
    EXPECT_EQ(d.controls[1].styles, res::kStyleOwnerDraw | res::kStyleTabStop);
    EXPECT_EQ(d.controls[2].styles, 0u);
    EXPECT_EQ(d.controls[2].text, "&Value:");
    EXPECT_EQ(d.controls[3].x, -2);
    EXPECT_EQ(d.controls[3].text, "");
    EXPECT_EQ(d.controls[4].kind, ControlKind::ComboBox);
    EXPECT_EQ(d.controls[4].styles, res::kStyleDropDownList | res::kStyleOwnerDraw | res::kStyleSort);
    EXPECT_EQ(d.controls[4].text, "Tab\there \\ caf\xE9");
    EXPECT_EQ(d.Find(1295), &d.controls[1]);
    EXPECT_EQ(d.Find(7), nullptr);

    const res::DialogTemplate page = res::ParseDialogTemplate("PAGE\t2046\nSIZE\t10 20\n", "p.dlg");
    EXPECT_TRUE(page.page);
    EXPECT_EQ(page.fontFace, "MS Sans Serif");
    EXPECT_TRUE(page.controls.empty());
}

TEST(DialogTemplate, ABadLineIsRefusedWithTheFileAndLine)
{
    const std::string head = "DIALOG\t5\nSIZE\t10 10\n";
    struct Case {
        std::string text;
        int line;
        const char* says;
    };
    const Case cases[] = {
        {"SIZE\t10 10\n", 1, "begin with DIALOG"},
        {"DIALOG\t70000\n", 1, "dialog id"},
        {"DIALOG\t5\n", 2, "no SIZE"},
        {head + "DIALOG\t6\n", 3, "second DIALOG"},
        {head + "SIZE\t10\n", 3, "SIZE takes"},
        {head + "FONT\tbig\tArial\n", 3, "point size"},
        {head + "FONT\t8\t\n", 3, "FONT takes"},
        {head + "COLOUR\tred\n", 3, "unknown line"},
        {head + "CONTROL\t1\tPUSHBUTTON\t0 0 10 10\t-\n", 3, "separated by tabs"},
        {head + "CONTROL\t1\tKNOB\t0 0 10 10\t-\tx\n", 3, "unknown control kind"},
        {head + "CONTROL\tx1\tPUSHBUTTON\t0 0 10 10\t-\tx\n", 3, "control id"},
        {head + "CONTROL\t1\tPUSHBUTTON\t0 0 10\t-\tx\n", 3, "rectangle"},
        {head + "CONTROL\t1\tPUSHBUTTON\t0 0 -10 10\t-\tx\n", 3, "width"},
        {head + "CONTROL\t1\tPUSHBUTTON\t0 0 10 10\tSHINY\tx\n", 3, "unknown style"},
        {head + "CONTROL\t1\tPUSHBUTTON\t0 0 10 10\t\tx\n", 3, "no styles"},
        {head + "CONTROL\t1\tCOMBOBOX\t0 0 10 10\tDROPDOWN DROPDOWNLIST\tx\n", 3, "exclude"},
        {head + "CONTROL\t1\tPUSHBUTTON\t0 0 10 10\t-\ta\\qb\n", 3, "unknown escape"},
        {head + "\n# note\nCONTROL\t1\tPUSHBUTTON\t0 0 10 10\t-\tx\nCONTROL\t1\tLTEXT\t0 0 10 10\t-\ty\n", 6,
            "given twice"},
        {head + "CAPTION\t\xE2\x82\xAC\xE2\x80\xA0\xE4\xB8\x80\n", 3, "Windows-1252"},
        {head + "CAPTION\t\xFF\n", 3, "UTF-8"},
    };
    for (const Case& c : cases) {
        try {
            res::ParseDialogTemplate(c.text, "dialogs/5.dlg");
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const res::FormatError& e) {
            EXPECT_EQ(e.Line(), c.line) << c.text;
            const std::string what = e.what();
            EXPECT_EQ(what.rfind("dialogs/5.dlg, line " + std::to_string(c.line) + ": ", 0), 0u) << what;
            EXPECT_NE(what.find(c.says), std::string::npos) << what;
        }
    }
}

TEST(DialogTemplate, AResourceFolderGivesItsDefinitionsByIdAndRefusesAMisnamedOne)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir("dialogs"));
    QFile file(dir.filePath("dialogs/2054.dlg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kGood);
    file.close();

    const res::Resources resources = res::Resources::Load(dir.path());
    ASSERT_NE(resources.FindDialog(2054), nullptr);
    EXPECT_EQ(resources.FindDialog(2054)->caption, "Shadow");
    EXPECT_EQ(resources.FindDialog(2055), nullptr);
    {
        res::ScopedMissingHandler scope(res::ThrowMissing);
        EXPECT_THROW(resources.LoadDialog(2055), res::MissingResource);
    }

    ASSERT_TRUE(QFile::rename(dir.filePath("dialogs/2054.dlg"), dir.filePath("dialogs/2099.dlg")));
    try {
        res::Resources::Load(dir.path());
        ADD_FAILURE() << "a misnamed definition was read";
    } catch (const res::FormatError& e) {
        EXPECT_NE(std::string(e.what()).find("2099.dlg"), std::string::npos);
    }
}

} // namespace
