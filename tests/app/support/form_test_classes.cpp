#include "tests/app/support/form_test_classes.h"

std::vector<std::string>& ViewLog()
{
    static std::vector<std::string> log;
    return log;
}

bool TestDocument::Open(const std::string& path)
{
    if (path.find("missing") != std::string::npos)
        return false;
    openedPath = path;
    SetTitle(path);
    return true;
}

TestView::~TestView()
{
    ViewLog().push_back(name_ + " deleted");
}

void TestView::OnViewSwitch(bool incoming, ui::View* other)
{
    auto* view = dynamic_cast<TestView*>(other);
    ViewLog().push_back(name_ + (incoming ? " in from " : " out to ") + (view ? view->Name() : "?"));
}

void TestView::OnFrameActivate(bool activate, ui::Frame*)
{
    ViewLog().push_back(name_ + (activate ? " frame activated" : " frame deactivated"));
}

void TestView::OnInitialUpdate()
{
    ViewLog().push_back(name_ + " initial update");
}

DocumentClass TestDocumentClass()
{
    return {[](ui::DocTemplate& t) { return std::unique_ptr<ui::Document>(std::make_unique<TestDocument>(&t)); },
        [](ui::Document& d, const std::string& path) { return static_cast<TestDocument&>(d).Open(path); },
        [](const ui::Document& d) { return static_cast<const TestDocument&>(d).viewIndex; }};
}

ViewTable TestViewTable()
{
    ViewTable table = FormViewTable();
    table[kDesignView].viewClass = ViewClassOf<DesignTestView>("design");
    table[kFillingOrderView].viewClass = ViewClassOf<OrderTestView>("order");
    table[kFillView].viewClass = ViewClassOf<FillTestView>("fill");
    return table;
}
