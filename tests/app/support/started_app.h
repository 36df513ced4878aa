// The program's application object with the tests' document and view
// classes, started from given arguments with its settings in a temporary
// configuration folder, and closed as the user would close it.
#pragma once

#include "tests/app/support/form_test_classes.h"
#include "tests/app/support/temp_folder_env.h"
#include "tests/common/run_events.h"

#include "forms/app/frames/main_frame.h"
#include "forms/app/program/forms_app.h"

#include "platform/ui/message_box.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

inline std::unique_ptr<FORMSAPP> StartApp(
    const std::vector<std::string>& args = {}, AppClasses classes = {TestDocumentClass(), TestViewTable()})
{
    auto app = std::make_unique<FORMSAPP>(std::move(classes));
    EXPECT_FALSE(app->InitInstance(args).has_value());
    RunEventsFor(10);
    return app;
}

// Closes the main window and runs the application's exit.
inline void CloseApp(FORMSAPP& app)
{
    EXPECT_TRUE(app.GetMainFrame()->OnClose());
    EXPECT_EQ(app.ExitInstance(0), 0);
}

// Every test here starts with fresh settings and fails on any message box.
class StartedAppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(config.IsValid());
        ViewLog().clear();
    }

    TempFolderEnv config {"XDG_CONFIG_HOME"};
    ui::ScopedMessageBoxHook noBoxes {[](const ui::MessageBoxRequest& request) -> int {
        ADD_FAILURE() << "unexpected message box: " << request.text;
        return ui::IDCANCEL;
    }};
};
