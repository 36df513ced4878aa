// A running program with its first form open in a design view, closed
// again without questions at the end of the test.
#pragma once

#include "tests/app/support/started_app.h"

#include "forms/app/frames/child_frame.h"
#include "forms/app/program/form_classes.h"
#include "forms/app/views/design/fdesignview.h"
#include "forms/document/fdocument.h"

#include "platform/ui/app.h"

#include <QMainWindow>

class StartedDesignerTest : public StartedAppTest {
protected:
    void SetUp() override
    {
        StartedAppTest::SetUp();
        app = StartApp({}, FormAppClasses());
        main = app->GetMainFrame();
        frame = dynamic_cast<CChildFrame*>(main->GetActiveChild());
        ASSERT_NE(frame, nullptr);
        main->GetWindow()->resize(1000, 800);
        RunEventsFor(50);
        doc = dynamic_cast<FDOCUMENT*>(frame->GetActiveDocument());
        view = dynamic_cast<FDESIGNVIEW*>(frame->GetActiveView());
        ASSERT_NE(doc, nullptr);
        ASSERT_NE(view, nullptr);
    }
    void TearDown() override
    {
        if (!app)
            return;
        doc->SetModified(false);
        EXPECT_TRUE(frame->OnClose());
        CloseApp(*app);
    }
    // The command as the main frame routes it.
    void Send(unsigned id) { EXPECT_TRUE(ui::App::Current()->SendCommand(*main, id)) << id; }

    std::unique_ptr<FORMSAPP> app;
    FFRAME* main = nullptr;
    CChildFrame* frame = nullptr;
    FDOCUMENT* doc = nullptr;
    FDESIGNVIEW* view = nullptr;
};
