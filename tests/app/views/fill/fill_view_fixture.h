// A fill view in a real offscreen window over a form built by the test,
// driven by synthetic mouse and keyboard input, with a document that
// records every calculation the fields ask of the formula host.
#pragma once

#include "forms/app/views/fill/ffillview.h"
#include "forms/document/fdocument.h"
#include "forms/objects/ftable.h"
#include "tests/objects/field_test_support.h"

#include "platform/ui/view_host.h"

#include <QKeyEvent>

#include <memory>
#include <string>
#include <vector>

// The object's full name (a cell's as Table.Column[row]); "" for none.
inline std::string FullName(const FORMOBJ* object)
{
    std::string out;
    if (object)
        object->GetFullName(out);
    return out;
}

class SpyDocument : public FDOCUMENT {
public:
    void Calculate(uint16_t id) override
    {
        calculated.push_back(id);
        FDOCUMENT::Calculate(id);
    }
    std::vector<uint16_t> calculated;
};

class FillViewTest : public FieldTest {
protected:
    FillViewTest();
    ~FillViewTest() override;

    // A field of the kind, named, with the document's next id, placed on
    // page 1 below the previous one and put at the end of the filling order
    // unless told otherwise.
    FFIELD& AddField(uint8_t kind, const std::string& name, bool inOrder = true);
    // The table, named, placed on page 1 with its cells' ids and in the
    // filling order; fields added after it go below `below`.
    FTABLE& PlaceTable(std::unique_ptr<FTABLE> made, const std::string& name, int32_t below);
    // "" when the formula compiled, else the engine's message.
    std::string Formula(FFIELD& field, const std::string& text);
    static void SetNumber(FFIELD& field, double value);
    static double Number(FFIELD& field);
    static void SetProtected(FFIELD& field) { field.OnEvent(6, 1, 0); }
    static void SetMandatory(FFIELD& field) { field.OnEvent(5, 1, 0); }
    static bool IsChecked(FFIELD& field);
    // Makes check boxes of the fields radio buttons of one group.
    void MakeRadioGroup(const std::vector<FFIELD*>& buttons);

    // Shows the view over the document and starts filling.
    void Start();
    // The window point at the middle of the field, and a rectangle of page
    // twips in window pixels.
    POINT At(FFIELD& field);
    RECT ToWindow(const RECT& logical);
    void Click(POINT p);
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Each character sent as a key to the window with the focus.
    void Type(const std::string& text);
    // Whether the window shows the field (and a few pixels round it) as a
    // fresh drawing of the whole view does: nothing left behind.
    bool ShowsAsRedrawn(FFIELD& field);
    FFIELD* Current() const { return view->GetCurrentField(); }

    std::unique_ptr<SpyDocument> doc = std::make_unique<SpyDocument>();
    std::unique_ptr<FFILLVIEW> view = std::make_unique<FFILLVIEW>();
    ui::ViewHost host;
    int32_t nextTop = 720;
};
