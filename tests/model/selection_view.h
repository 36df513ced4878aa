// A design view for the selection tests: it forwards the objects' selection
// notes to its selection, shows a document with a stamp of its own, has
// page margins, and an undo list that keeps deleted objects the way the
// deletion undo step does; and a box kind that counts its destructions.
#pragma once

#include "tests/common/rect_printer.h"
#include "tests/model/test_objects.h"

#include "forms/model/object_factory.h"
#include "forms/objects/fselection.h"

#include <optional>
#include <utility>

// A box that counts how many of its kind have been destroyed.
class CountedBox : public TestBox {
public:
    explicit CountedBox(std::string label = {})
        : TestBox(kTypeBox, std::move(label))
    {}
    ~CountedBox() override { ++destroyed; }
    static inline int destroyed = 0;
};

// Registers counted boxes with the factory for one test's lifetime.
class CountedKinds {
public:
    CountedKinds()
    {
        CountedBox::destroyed = 0;
        RegisterObjectClass(kTypeBox, [] { return std::unique_ptr<FORMOBJ>(new CountedBox("loaded")); });
    }
    ~CountedKinds() { UnregisterObjectClass(kTypeBox); }
};

class StampedDocument : public FakeDocument {
public:
    explicit StampedDocument(uint32_t stamp)
        : stamp(stamp)
    {}
    uint32_t GetCreationStamp() const override { return stamp; }
    uint32_t stamp;
};

// Keeps the selected objects of a list with their places, as the deletion
// undo step does: it owns them once they are unlinked, and puts them back
// selected.
class DeletionUndo {
public:
    explicit DeletionUndo(FOBJLIST& objects)
        : list(objects)
    {}
    ~DeletionUndo()
    {
        for (auto& [object, index] : kept)
            delete object;
    }
    void Capture()
    {
        for (auto& [object, index] : kept)
            delete object;
        kept.clear();
        int index = 0;
        for (FORMOBJ* o = list.GetHead(); o; o = o->GetNext(), ++index)
            if (o->IsSelected(nullptr))
                kept.emplace_back(o, index);
    }
    void Restore()
    {
        for (auto& [object, index] : kept) {
            object->SetSelectFlag(1);
            FORMOBJ* at = list.GetHead();
            for (int i = 0; at && i < index; ++i)
                at = at->GetNext();
            list.InsertBefore(at, std::unique_ptr<FORMOBJ>(object));
        }
        kept.clear();
    }

    FOBJLIST& list;
    std::vector<std::pair<FORMOBJ*, int>> kept;
};

class SelectionView : public FakeView {
public:
    void NoteSelected(uint16_t n) override
    {
        if (selection)
            selection->NoteSelected(n, this);
    }
    void NoteDeselected(uint16_t n) override
    {
        if (selection)
            selection->NoteDeselected(n, this);
    }
    OBJECT_DOCUMENT* GetObjectDocument() override { return document; }
    bool GetMarginRect(RECT& out) override
    {
        if (margins)
            out = *margins;
        return margins.has_value();
    }
    void GoToPage(uint16_t p) override
    {
        pagesShown.push_back(p);
        currentPage = p;
    }
    bool RecordDeletionUndo() override
    {
        ++undoSteps;
        if (!undo)
            return false;
        undo->Capture();
        return true;
    }

    FSELECTION* selection = nullptr;
    OBJECT_DOCUMENT* document = nullptr;
    std::optional<RECT> margins;
    std::vector<uint16_t> pagesShown;
    DeletionUndo* undo = nullptr;
    int undoSteps = 0;
};

// A document's object list with a design view and its selection over it.
struct SelectionFixture {
    SelectionFixture()
    {
        CountedBox::destroyed = 0;
        view.selection = &selection;
        view.document = &document;
    }
    // A box on a page, added at the list's tail.
    TestBox* Add(const std::string& name, RECT r, uint16_t onPage = 1)
    {
        auto box = std::make_unique<CountedBox>(name);
        box->SetName(name);
        box->SetPlace(onPage, r);
        TestBox* raw = box.get();
        objects.SetObjectPage(std::move(box), onPage);
        return raw;
    }
    // The names of the list's objects in order.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (FORMOBJ* o = objects.GetHead(); o; o = o->GetNext())
            names.push_back(o->GetName());
        return names;
    }
    RECT RectOf(FORMOBJ* o) const
    {
        RECT r;
        o->GetRect(r);
        return r;
    }

    StampedDocument document {0x12345678};
    FOBJLIST objects;
    FSELECTION selection {&objects};
    SelectionView view;
};
