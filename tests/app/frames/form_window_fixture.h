// The running program with its first form's window: the child frame, its
// design view and the form; every form is left unmodified at the end so
// that closing asks nothing.
#pragma once

#include "tests/app/support/started_app.h"

#include "forms/app/frames/child_frame.h"
#include "forms/app/program/form_classes.h"
#include "forms/app/views/design/fdesignview.h"
#include "forms/document/fdocument.h"

#include <QMainWindow>

#include <memory>

class FormWindowTest : public StartedAppTest {
protected:
    void SetUp() override
    {
        StartedAppTest::SetUp();
        app = StartApp({}, FormAppClasses());
        app->GetMainFrame()->GetWindow()->resize(1000, 800);
        RunEventsFor(50);
        frame = dynamic_cast<CChildFrame*>(app->GetMainFrame()->GetActiveChild());
        ASSERT_NE(frame, nullptr);
        view = dynamic_cast<FDESIGNVIEW*>(frame->GetActiveView());
        ASSERT_NE(view, nullptr);
        doc = view->GetFormDocument();
    }
    void TearDown() override
    {
        if (!app)
            return;
        for (ui::Frame* child : app->GetMainFrame()->GetChildren())
            if (auto* form = dynamic_cast<FDOCUMENT*>(child->GetActiveDocument()))
                form->SetModified(false);
        CloseApp(*app);
    }

    std::unique_ptr<FORMSAPP> app;
    CChildFrame* frame = nullptr;
    FDESIGNVIEW* view = nullptr;
    FDOCUMENT* doc = nullptr;
};
