// The heading text of one column or one row of a table: rich text with a
// fill of its own, placed by the table in its header band. It is never left
// empty and cannot be moved, sized, aligned, cut or copied by itself.
#pragma once

#include "forms/objects/ftextobj.h"

#include <cstdint>
#include <memory>

class BASICSHADE;
class FTABLE;

class FHEADER : public FTEXTOBJ {
public:
    FHEADER();
    ~FHEADER() override;

    const char* GetRuntimeClass() const override { return "FHEADER"; }
    // The type byte, the text object as group 0x15, the fill as group 2,
    // 0xFF; table and place are the table's to set.
    void Save(RECORDARCHIVE& ar, uint8_t tag) override;
    uint8_t GetType() const override { return kTypeHeader; }
    void Load(RECORDARCHIVE& ar, uintptr_t owner) override;
    // The fill, then the text; 0 when the header is out of sight.
    void Draw(VIEWDC& dc) override;
    void DrawSelection(VIEWDC& dc) override { FORMOBJ::DrawSelection(dc); }
    int Track(OBJECT_VIEW*, int32_t, int32_t) override { return 0; }
    int AcceptsPlacement() override { return 0; }
    std::unique_ptr<FORMOBJ> Clone() const override;
    void GetRect(RECT& out) const override;
    // The master's fill, else a copy of the own; 1.
    int GetShade(BASICSHADE* out) override;
    // Detaches from the master, then copies the fill.
    void SetShade(const BASICSHADE& shade) override;
    int CanAlign() override { return 0; }
    int CanCut() override { return 0; }
    int CanCopy() override { return 0; }
    int SetCursor(OBJECT_VIEW* view, int hitCode) override;
    // 8 inside, else -1: a header has no sizing handles.
    int HitTestHandles(VIEWDC& dc, int32_t x, int32_t y) override;
    unsigned GetHandleMask() override { return 15; }
    // An edit that leaves no text leaves a single space.
    int TakeEditorText() override;
    // Ends an edit in place; the header keeps the place its table gives it
    // and is never deleted for want of text.
    uint16_t Deselect(OBJECT_VIEW* view) override;

    // The fill, font and alignment given (InitDefault: defaults), in the
    // table at that place, with the default text; 0 on failure.
    int Init(
        const BASICSHADE& fill, const TEXTATTR& font, uint8_t align, FTABLE* owner, uint16_t atColumn, uint16_t atRow);
    int InitDefault(FTABLE* owner, uint16_t atColumn, uint16_t atRow);
    void SetPosition(FTABLE* owner, uint16_t atColumn, uint16_t atRow);
    // The other header's text object and fill.
    int CopyHeader(const FHEADER& other);

    FTABLE* GetTable() const { return table; }
    uint16_t GetColumn() const { return column; }
    uint16_t GetRow() const { return row; }

private:
    // The column's letters or the row's number from 1.
    std::string DefaultText() const;

    std::unique_ptr<BASICSHADE> shade;
    FTABLE* table = nullptr;
    uint16_t column = 0xFFFF;
    uint16_t row = 0xFFFF;
};
