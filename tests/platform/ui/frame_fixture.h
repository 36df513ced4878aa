// A main frame with child frames, each showing one view of a document in a
// plain view window, for the frame tests.
#pragma once

#include "platform/ui/app.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/document.h"
#include "platform/ui/frame.h"
#include "platform/ui/view.h"
#include "platform/ui/view_host.h"

#include <QMainWindow>

#include <memory>
#include <string>
#include <vector>

struct FrameFixture {
    ui::App app;
    ui::DocTemplate docTemplate;
    ui::MainFrame main;
    // Views outlive the frames that show them (the frames' windows do not own them).
    std::vector<std::unique_ptr<ui::View>> views;

    FrameFixture()
    {
        app.SetAppName("Forms");
        main.Create("Forms");
        app.SetMainWnd(&main);
        main.GetWindow()->resize(640, 480);
        main.GetWindow()->show();
    }

    // A document of type D owned by the template.
    template<class D = ui::Document>
    D* NewDocument(const std::string& title)
    {
        auto owned = std::make_unique<D>(&docTemplate);
        D* doc = owned.get();
        docTemplate.AddDocument(std::move(owned));
        doc->SetTitle(title);
        return doc;
    }

    // A child frame (of type F) showing a new view of doc.
    template<class F = ui::Frame, class... Args>
    F* Open(ui::Document* doc, Args&&... args)
    {
        auto frame = std::make_unique<F>(std::forward<Args>(args)...);
        auto view = std::make_unique<ui::View>();
        view->SetDocument(doc);
        frame->SetActiveView(view.get());
        F* raw = frame.get();
        main.AddChild(std::move(frame));
        auto* host = new ui::ViewHost;
        host->SetView(view.get());
        raw->SetClient(host);
        raw->OnUpdateFrameTitle();
        views.push_back(std::move(view));
        return raw;
    }
};
