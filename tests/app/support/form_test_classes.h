// A small document and view classes of the tests' own, standing in for the
// form document and the six form views: each view logs what the template
// and the frames tell it.
#pragma once

#include "forms/app/template/dyn_view_doc_template.h"
#include "forms/app/views/fbaseview.h"

#include "platform/ui/document.h"

#include <memory>
#include <string>
#include <vector>

// The calls views received, in order, as "<view name> <call>".
std::vector<std::string>& ViewLog();

class TestDocument : public ui::Document {
public:
    using ui::Document::Document;
    int viewIndex = 0;
    // Files this class "reads": any path not naming "missing".
    bool Open(const std::string& path);
    std::string openedPath;
};

class TestView : public FBASEVIEW {
public:
    explicit TestView(std::string name)
        : name_(std::move(name))
    {}
    ~TestView() override;
    const std::string& Name() const { return name_; }

    void OnViewSwitch(bool incoming, ui::View* other) override;
    void OnFrameActivate(bool activate, ui::Frame* frame) override;
    void OnInitialUpdate() override;

private:
    std::string name_;
};

struct DesignTestView : TestView {
    DesignTestView()
        : TestView("design")
    {}
};
struct FillTestView : TestView {
    FillTestView()
        : TestView("fill")
    {}
};
struct OrderTestView : TestView {
    OrderTestView()
        : TestView("order")
    {}
};
// Derived from the design view's class: counts as a design view.
struct DerivedDesignTestView : DesignTestView {};

// The document class and a view table with design, filling order and fill
// views; the other three classes are not built.
DocumentClass TestDocumentClass();
ViewTable TestViewTable();
