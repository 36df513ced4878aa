// A form editor over a one-page form with no window: a view that keeps a
// page, margins and the placements it was asked about and forwards the
// objects' selection notes to its selection, and a listener that counts
// what it was told.
#pragma once

#include "tests/document/document_test_support.h"

#include "forms/document/windowless_view.h"
#include "forms/editor/editor_listener.h"
#include "forms/editor/form_editor.h"
#include "forms/model/fhint.h"
#include "forms/objects/fselection.h"

#include "platform/io/memory_file.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

class EditorView : public WINDOWLESS_VIEW {
public:
    explicit EditorView(FDOCUMENT& document)
        : WINDOWLESS_VIEW(document)
    {}
    uint16_t GetCurrentPage() override { return page; }
    int16_t GetPageWidth() override { return 12240; }
    int16_t GetPageHeight() override { return 15840; }
    bool GetMarginRect(RECT& out) override
    {
        out = margins;
        return true;
    }
    int IsValidPlacement(int32_t left, int32_t top, int32_t right, int32_t bottom, FORMOBJ*) override
    {
        asked.push_back({left, top, right, bottom});
        return valid ? 1 : 0;
    }
    void NoteSelected(uint16_t count) override
    {
        if (selection)
            selection->NoteSelected(count, this);
    }
    void NoteDeselected(uint16_t count) override
    {
        if (selection)
            selection->NoteDeselected(count, this);
    }

    // A deletion hands its undo step and what a group's member unlinked to
    // the editor, as the design view does.
    bool RecordDeletionUndo() override { return editor && editor->RecordDeletionUndo(); }
    void KeepDeleted(std::unique_ptr<FORMOBJ> unlinked, bool kept) override
    {
        if (editor)
            editor->KeepDeleted(std::move(unlinked), kept);
    }

    FSELECTION* selection = nullptr;
    FORM_EDITOR* editor = nullptr;
    uint16_t page = 1;
    RECT margins {720, 720, 11520, 15120};
    bool valid = true;
    std::vector<RECT> asked;
};

class CountingListener : public EDITOR_LISTENER {
public:
    void PasteTooLarge() override { ++tooLarge; }
    void PastePlaced() override { ++placed; }
    void PageChanged(const FHINT& hint) override { pageHints.emplace_back(hint.kind, hint.page); }
    int tooLarge = 0;
    int placed = 0;
    // The page hints told, as (kind, page).
    std::vector<std::pair<uint8_t, uint16_t>> pageHints;
};

// One view of the form with its selection and editor.
struct EditorPane {
    explicit EditorPane(FDOCUMENT& document)
        : view(document)
        , selection(&document.GetObjects())
        , editor(document, selection, view, listener)
    {
        view.selection = &selection;
        view.editor = &editor;
        selection.SetPage(view.page);
    }
    // The view shows another page, with nothing selected.
    void ShowPage(uint16_t page)
    {
        selection.Deselect(&view);
        view.page = page;
        selection.SetPage(page);
    }
    EditorView view;
    FSELECTION selection;
    CountingListener listener;
    FORM_EDITOR editor;
};

class EditorTest : public ::testing::Test {
protected:
    EditorTest() { FORM_EDITOR::ResetPasteOffset(); }
    ~EditorTest() override { FORM_EDITOR::ResetPasteOffset(); }

    TestBox* AddBox(RECT rect, uint16_t page = 1)
    {
        return Place(std::make_unique<TestBox>(kTypeBox, "box"), rect, page);
    }
    // A field, last in the filling order.
    TestField* AddField(RECT rect, uint16_t page = 1)
    {
        TestField* field = Place(std::make_unique<TestField>(), rect, page);
        doc.InsertFieldInOrder(field, false);
        return field;
    }
    template<class T>
    T* Place(std::unique_ptr<T> object, RECT rect, uint16_t page)
    {
        object->SetPlace(page, rect);
        T* added = object.get();
        doc.GetObjects().SetObjectPage(std::move(object), page);
        return added;
    }
    // A paste selection holding a copy of what the pane has selected.
    std::unique_ptr<FSELECTION> CopyOfSelection(EditorPane& from)
    {
        io::MemoryFile file;
        from.selection.CopyTo(file, &doc);
        file.Seek(0, io::Stream::Begin);
        auto paste = std::make_unique<FSELECTION>(nullptr);
        if (paste->PasteFrom(file, &from.view) != 1)
            return nullptr;
        return paste;
    }
    std::vector<FORMOBJ*> Objects()
    {
        std::vector<FORMOBJ*> out;
        for (FORMOBJ* o = doc.GetObjects().GetHead(); o; o = o->GetNext())
            out.push_back(o);
        return out;
    }
    std::vector<FORMOBJ*> Selected()
    {
        std::vector<FORMOBJ*> out;
        for (FORMOBJ* o : Objects())
            if (o->IsSelected(nullptr))
                out.push_back(o);
        return out;
    }
    std::vector<FORMOBJ*> FillingOrder()
    {
        std::vector<FORMOBJ*> order;
        for (int i = 0; i < doc.GetTabOrderCount(); ++i)
            order.push_back(doc.GetTabOrder().GetAt(i));
        return order;
    }
    static RECT RectOf(const FORMOBJ* object)
    {
        RECT r;
        object->GetRect(r);
        return r;
    }
    void RecordUndo() { ASSERT_NE(doc.GetUndoList().Record({&doc.GetObjects(), nullptr, kUndoSnapshot}, 1), nullptr); }

    FormKinds kinds;
    ProgramParts parts;
    FakeHost host;
    FDOCUMENT doc {&host};
    EditorPane pane {doc};
};

// A box and a field on page 1, both selected.
class SelectedBoxAndFieldTest : public EditorTest {
protected:
    SelectedBoxAndFieldTest()
    {
        box = AddBox({1440, 1440, 2880, 2880});
        field = AddField({1440, 3600, 4320, 3888});
        box->Select(&pane.view);
        field->Select(&pane.view);
    }
    TestBox* box;
    TestField* field;
};
