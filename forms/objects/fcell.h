// One cell of a table: a data-entry field that lives in the table's grid at
// a column and a row. The table gives it its rectangle, its neighbours and
// its name, and draws its lines; the cell has no border of its own and
// cannot be aligned, cut or copied by itself.
#pragma once

#include "forms/objects/ffield.h"

#include <cstdint>
#include <memory>

class FTABLE;

class FCELL : public FFIELD {
public:
    const char* GetRuntimeClass() const override { return "FCELL"; }
    // The type byte, the field as group 0x14, 0xFF; table and place are the
    // table's to set.
    void Save(RECORDARCHIVE& ar, uint8_t tag) override;
    uint8_t GetType() const override { return kTypeCell; }
    void Load(RECORDARCHIVE& ar, uintptr_t owner) override;
    // Drawn alone, the cell is clipped to its own line rectangle.
    void Draw(VIEWDC& dc) override;
    void GetActiveRect(RECT& out, VIEWDC& dc) override;
    void DrawSelection(VIEWDC& dc) override { FORMOBJ::DrawSelection(dc); }
    // The object appearance dialog; answers 0.
    int ShowProperties(OBJECT_VIEW* view) override;
    // arg is the document: the cell takes a new field id; its name is the
    // table's.
    void ExtRefresh(uintptr_t arg) override;
    std::unique_ptr<FORMOBJ> Clone() const override;
    // Table.Column[row from 1].
    void GetFullName(std::string& out) const override;
    void GetRect(RECT& out) const override;
    void GetInnerRect(RECT& out, VIEWDC& dc) override;
    void GetOuterRect(RECT& out, VIEWDC& dc) override;
    int GetBorder(BORDER*) override { return 0; }
    void SetBorder(const BORDER&) override {}
    int ChangeFont(const TEXTATTR& attr, OBJECT_VIEW* view) override { return FORMOBJ::ChangeFont(attr, view); }
    int CanAlign() override { return 0; }
    int CanCut() override { return 0; }
    int CanCopy() override { return 0; }
    // The arrow over the cell's handles.
    int SetCursor(OBJECT_VIEW* view, int hitCode) override;
    unsigned GetHandleMask() override { return 15; }
    FFIELD* GetCellAbove() override;
    FFIELD* GetCellBelow() override;
    // 13 device units wide (never wider than the cell) at its right edge.
    void GetDropButtonRect(RECT& out, VIEWDC& dc) override;
    TABLE_CELLS* GetOwnerTable() const override;
    // The list as a field takes it; the cell keeps the place its table
    // gives it (a field's list would cut it to one line).
    void SetValueList(const FIELDVALUES* values, OBJECT_VIEW* view) override;

    // A field of that kind with the appearance given (InitDefault: the
    // field's defaults), in the table at that place; 0 on failure.
    int Init(uint8_t kind, const BORDER& border, const BASICSHADE& shade, const TEXTATTR& font, FTABLE* owner,
        uint16_t atColumn, uint16_t atRow);
    int InitDefault(FTABLE* owner, uint16_t atColumn, uint16_t atRow);
    void SetPosition(FTABLE* owner, uint16_t atColumn, uint16_t atRow);
    // The rectangle of the table's first cell.
    void GetFirstCellRect(RECT& out) const;
    // The cell's value, shade, baselines and tracker inside area (page
    // twips; the cell's line rectangle when null); 1 when nothing shows.
    int DrawCell(VIEWDC& dc, const RECT* area);

    FTABLE* GetTable() const { return table; }
    uint16_t GetColumn() const { return column; }
    uint16_t GetRow() const { return row; }

private:
    FTABLE* table = nullptr;
    uint16_t column = 0;
    uint16_t row = 0;
};
