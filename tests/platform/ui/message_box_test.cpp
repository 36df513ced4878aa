#include "platform/ui/message_box.h"

#include "platform/ui/app.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace ui;

TEST(MessageBox, HookAnswersWithTheRequestAsGiven)
{
    std::vector<MessageBoxRequest> asked;
    ScopedMessageBoxHook hook([&](const MessageBoxRequest& r) {
        asked.push_back(r);
        return IDNO;
    });
    const unsigned flags = MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2;
    EXPECT_EQ(MessageBox("Save changes to \"Caf\xE9\"?", "Forms", flags), IDNO);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Save changes to \"Caf\xE9\"?");
    EXPECT_EQ(asked[0].caption, "Forms");
    EXPECT_EQ(asked[0].flags, flags);
}

TEST(MessageBox, BoxWithoutCaptionCarriesTheProgramsTitle)
{
    App app;
    app.SetAppName("Caf\xE9 Forms");
    std::vector<std::string> captions;
    ScopedMessageBoxHook hook([&](const MessageBoxRequest& r) {
        captions.push_back(r.caption);
        return IDOK;
    });
    MessageBox("no caption", {});
    MessageBox("own caption", "Spelling");
    EXPECT_EQ(captions, (std::vector<std::string> {"Caf\xE9 Forms", "Spelling"}));
}

TEST(MessageBox, AnswersMustBeButtonsOfTheBox)
{
    struct Case {
        unsigned flags;
        int answer;
        bool valid;
    } cases[] = {
        {MB_OK, IDOK, true},
        {MB_OK | MB_ICONHAND, IDCANCEL, false},
        {MB_OKCANCEL, IDCANCEL, true},
        {MB_OKCANCEL, IDYES, false},
        {MB_ABORTRETRYIGNORE, IDIGNORE, true},
        {MB_ABORTRETRYIGNORE, IDOK, false},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL, true},
        {MB_YESNO, IDNO, true},
        {MB_YESNO, IDCANCEL, false},
        {MB_RETRYCANCEL, IDRETRY, true},
        {MB_RETRYCANCEL, IDABORT, false},
    };
    for (const Case& c : cases) {
        ScopedMessageBoxHook hook([&](const MessageBoxRequest&) { return c.answer; });
        if (c.valid)
            EXPECT_EQ(MessageBox("t", "c", c.flags), c.answer) << c.flags;
        else
            EXPECT_THROW(MessageBox("t", "c", c.flags), UnansweredMessageBox) << c.flags << " " << c.answer;
    }
}

TEST(MessageBox, ScopedHooksNestAndRestore)
{
    {
        ScopedMessageBoxHook outer([](const MessageBoxRequest&) { return IDYES; });
        {
            ScopedMessageBoxHook inner([](const MessageBoxRequest&) { return IDNO; });
            EXPECT_EQ(MessageBox("t", "c", MB_YESNO), IDNO);
        }
        EXPECT_EQ(MessageBox("t", "c", MB_YESNO), IDYES);
    }
    EXPECT_THROW(MessageBox("t", "c", MB_YESNO), UnansweredMessageBox);
}

TEST(MessageBox, WithoutHookOnAScreenlessPlatformFailsInsteadOfWaiting)
{
    try {
        MessageBox("Nobody reads this", "c", MB_OK);
        ADD_FAILURE() << "no exception";
    } catch (const UnansweredMessageBox& e) {
        EXPECT_NE(std::string(e.what()).find("Nobody reads this"), std::string::npos);
    }
}

} // namespace
