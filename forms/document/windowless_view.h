// A view of a form document that has no window: what the document hands to
// field operations that need a view while no view shows the form (a
// formula result stored into a check box, say). It draws nothing and keeps
// nothing, but leads the fields back to their document.
#pragma once

#include "forms/model/object_view.h"

class WINDOWLESS_VIEW : public OBJECT_VIEW {
public:
    explicit WINDOWLESS_VIEW(OBJECT_DOCUMENT& document)
        : document(document)
    {}

    std::unique_ptr<gdi::DC> GetWindowDC() override { return nullptr; }
    int SetupDC(VIEWDC&, gdi::DC*) override { return 0; }
    int SetupOwnDC(VIEWDC&) override { return 0; }
    void ToDeviceRect(RECT&) override {}
    void InvalidateRect(const RECT&, bool) override {}
    void InvalidateOutline(const Outline&, bool) override {}
    void UpdateWindow() override {}
    bool IsActiveView() override { return false; }
    void UpdateAllViews(uint32_t, FORMOBJ*) override {}
    uint16_t GetCurrentPage() override { return 1; }
    int16_t GetPageWidth() override { return 0; }
    int16_t GetPageHeight() override { return 0; }
    bool DrawsSelection() override { return false; }
    void NoteSelected(uint16_t) override {}
    void NoteDeselected(uint16_t) override {}
    void RecordSelectionUndo() override {}
    void SetAppearanceSheetOpen(bool) override {}
    int RunAppearanceSheet(uint16_t, FORMOBJ&) override { return -1; }
    void UndoLast() override {}
    void DropLastUndo() override {}
    void PostCommand(uint16_t) override {}
    void SetFocus() override {}
    OBJECT_DOCUMENT* GetObjectDocument() override { return &document; }

private:
    OBJECT_DOCUMENT& document;
};
