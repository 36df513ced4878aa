// A second form with its own design view in an offscreen window, beside
// the one a DesignerTest shows: the target of pastes and drags between
// forms.
#pragma once

#include "forms/app/views/design/fdesignview.h"
#include "forms/document/fdocument.h"

#include "platform/ui/view_host.h"

#include <QCoreApplication>

#include <memory>
#include <vector>

struct SecondForm {
    explicit SecondForm(FDOCUMENT* shown = nullptr)
    {
        FDOCUMENT* form = shown ? shown : doc.get();
        host.resize(1000, 800);
        host.SetView(&view);
        view.SetDocument(form);
        host.show();
        QCoreApplication::processEvents();
        view.OnInitialUpdate();
    }
    ~SecondForm()
    {
        host.SetView(nullptr);
        view.SetDocument(nullptr);
    }
    FDOCUMENT& Form() { return *view.GetFormDocument(); }
    std::vector<FORMOBJ*> Objects()
    {
        std::vector<FORMOBJ*> all;
        for (FORMOBJ* o = Form().GetObjects().GetHead(); o; o = o->GetNext())
            all.push_back(o);
        return all;
    }

    std::unique_ptr<FDOCUMENT> doc = std::make_unique<FDOCUMENT>();
    FDESIGNVIEW view;
    ui::ViewHost host;
};
