// A view without a window that notes what the appearance pages and Format
// dialogs apply to its selection, and with which flag; and the fills the
// tests give them.
#pragma once

#include "forms/model/border.h"
#include "forms/model/object_view.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/textattr.h"

#include <cstdint>
#include <string>
#include <vector>

// A fill of two colours and a pattern, transparent when told.
inline BASICSHADE Shade(gdi::COLORREF fore, gdi::COLORREF back, int pattern, int noFill = 0)
{
    BASICSHADE s;
    s.colour1 = fore;
    s.colour2 = back;
    s.SetPattern(pattern);
    s.noFill = static_cast<int16_t>(noFill);
    return s;
}

class RecordingView : public OBJECT_VIEW {
public:
    std::vector<BORDER> borders;
    std::vector<BASICSHADE> shades;
    std::vector<SHADOW> shadows;
    std::vector<uint8_t> alignments;
    std::vector<uint16_t> spacings;
    std::vector<TEXTATTR> textChanges;
    std::vector<uintptr_t> flags;

    void SetSelectionBorder(const BORDER& b, uintptr_t flag) override { Note(borders, b, flag); }
    void SetSelectionShade(const BASICSHADE& s, uintptr_t flag) override
    {
        BASICSHADE copy;
        copy.Copy(s);
        copy.noFill = s.noFill;
        Note(shades, copy, flag);
    }
    void SetSelectionShadow(const SHADOW& s, uintptr_t flag) override { Note(shadows, s, flag); }
    void SetSelectionAlignment(uint8_t a, uintptr_t flag) override { Note(alignments, a, flag); }
    void SetSelectionLineSpacing(uint16_t s, uintptr_t flag) override { Note(spacings, s, flag); }
    void ApplyTextAttr(const TEXTATTR& change) override { textChanges.push_back(change); }

    std::unique_ptr<gdi::DC> GetWindowDC() override { return nullptr; }
    int SetupDC(VIEWDC&, gdi::DC*) override { return 0; }
    int SetupOwnDC(VIEWDC&) override { return 0; }
    void ToDeviceRect(RECT&) override {}
    void InvalidateRect(const RECT&, bool) override {}
    void InvalidateOutline(const Outline&, bool) override {}
    void UpdateWindow() override {}
    bool IsActiveView() override { return true; }
    void UpdateAllViews(uint32_t, FORMOBJ*) override {}
    uint16_t GetCurrentPage() override { return 1; }
    int16_t GetPageWidth() override { return 12240; }
    int16_t GetPageHeight() override { return 15840; }
    bool DrawsSelection() override { return true; }
    void NoteSelected(uint16_t) override {}
    void NoteDeselected(uint16_t) override {}
    void RecordSelectionUndo() override {}
    void SetAppearanceSheetOpen(bool) override {}
    int RunAppearanceSheet(uint16_t, FORMOBJ&) override { return 2; }
    void UndoLast() override {}
    void DropLastUndo() override {}
    void PostCommand(uint16_t) override {}
    void SetFocus() override {}

private:
    template<class T>
    void Note(std::vector<T>& list, const T& value, uintptr_t flag)
    {
        list.push_back(value);
        flags.push_back(flag);
    }
};
