// Insert > Date / Time in the design view: off unless a text object is
// typed in place, and then the date in the system's day/month order and the
// time go in at the caret.
#include "forms/fields/datatypes/intl_settings.h"
#include "forms/objects/fselection.h"
#include "forms/objects/ftextobj.h"
#include "tests/app/support/designer_window.h"
#include "tests/app/support/temp_folder_env.h"
#include "tests/app/support/text_editor_probe.h"

#include "platform/settings/win_ini.h"
#include "platform/ui/clock.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr unsigned kInsertDateTime = 32877;
constexpr unsigned kTextTool = 32774;

// A day and time whose day and month tell their order apart.
class FixedClock : public ui::Clock {
public:
    ui::LocalTime Now() override { return {2026, 12, 11, 14, 5, 9, 0, 5}; }
};

class DesignerInsertDateTest : public DesignerTest {
protected:
    DesignerInsertDateTest()
    {
        host.activateWindow();
        QCoreApplication::processEvents();
    }
    ~DesignerInsertDateTest() override { ForgetIntlSettings(); }

    // The system's short date picture, read afresh.
    void SetShortDate(const std::string& picture)
    {
        std::filesystem::create_directories(settings::WinIni::DefaultPath().parent_path());
        std::ofstream(settings::WinIni::DefaultPath()) << "[intl]\nsShortDate=" << picture << "\n";
        ForgetIntlSettings();
    }
    // The text tool drags out a rectangle (page twips), which opens the
    // editor on the new object.
    FTEXTOBJ* DrawText(RECT rect)
    {
        EXPECT_TRUE(view.ExecuteCommand(kTextTool));
        Drag({At(rect.left, rect.top), At(rect.right, rect.bottom)});
        return Objects().empty() ? nullptr : static_cast<FTEXTOBJ*>(Objects().back());
    }

    TempFolderEnv config {"XDG_CONFIG_HOME"};
    FixedClock clock;
    ui::ScopedClock fixed {clock};
};

TEST_F(DesignerInsertDateTest, OnlyWhileATextIsTypedInPlace)
{
    EXPECT_FALSE(Enabled(kInsertDateTime)) << "nothing selected";
    FTEXTOBJ* text = DrawText({1440, 1440, 4320, 2880});
    ASSERT_NE(text, nullptr);
    ASSERT_NE(view.GetSelectedRichText(), nullptr);
    EXPECT_TRUE(Enabled(kInsertDateTime));
    TypeInto(view.GetSelectedRichText(), "Note");

    // A click elsewhere ends the edit and leaves the object selected or
    // not: either way there is no caret to type at.
    Click(At(8000, 8000));
    ASSERT_EQ(view.GetSelectedRichText(), nullptr);
    EXPECT_FALSE(Enabled(kInsertDateTime));
    text->Select(&view);
    EXPECT_FALSE(Enabled(kInsertDateTime)) << "selected, not edited";
    EXPECT_EQ(std::string(text->GetText().View()), "Note") << "the command changed nothing";
}

TEST_F(DesignerInsertDateTest, TheDateInTheSystemsOrderAndTheTimeGoInAtTheCaret)
{
    struct Case {
        const char* picture;
        const char* expected;
    };
    const Case cases[] = {
        {"dd/MM/yyyy", "A11/12/26 14:05:09B"},
        {"d.M.yy", "A11/12/26 14:05:09B"},
        {"M/d/yy", "A12/11/26 14:05:09B"},
    };
    int32_t top = 1440;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picture);
        SetShortDate(c.picture);
        FTEXTOBJ* text = DrawText({1440, top, 5760, top + 1440});
        ASSERT_NE(text, nullptr);
        TEXTEDITWND* editor = view.GetSelectedRichText();
        ASSERT_NE(editor, nullptr);
        TypeInto(editor, "AB");
        KeyInto(editor, Qt::Key_Left, Qt::NoModifier);
        EXPECT_TRUE(view.ExecuteCommand(kInsertDateTime));
        EXPECT_EQ(EditorText(editor), c.expected);
        // More typing goes on after the inserted text.
        TypeInto(editor, "!");
        std::string typed = c.expected;
        typed.insert(typed.size() - 1, "!");
        EXPECT_EQ(EditorText(editor), typed);
        // Ending the edit keeps it all in the object.
        Click(At(9000, 12000));
        EXPECT_EQ(std::string(text->GetText().View()), typed);
        top += 2880;
    }
}

} // namespace
