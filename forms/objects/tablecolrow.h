// A whole column or a whole row of a table, made current in the designer
// as one field: what is read from it is the common value of its cells, and
// what is set on it is set on every cell. It is never saved, copied, moved,
// aligned, cut or copied; the table makes one on demand and deletes it
// when it stops being current.
#pragma once

#include "forms/objects/fcell.h"

#include <cstdint>
#include <memory>

class TABLECOLROW : public FCELL {
public:
    const char* GetRuntimeClass() const override { return "TABLECOLROW"; }
    int Init() override;
    void Save(RECORDARCHIVE&, uint8_t) override {}
    void Load(RECORDARCHIVE&, uintptr_t) override {}
    uint8_t GetType() const override { return kTypeColRow; }
    // The selection tracker only.
    void Draw(VIEWDC& dc) override;
    // The line's rectangle between its boundaries, not shrunk.
    void GetInnerRect(RECT& out, VIEWDC& dc) override;
    std::unique_ptr<FORMOBJ> Clone() const override { return nullptr; }
    int GetBorder(BORDER*) override { return 0; }
    void SetBorder(const BORDER&) override {}
    int CanAlign() override { return 0; }
    int CanCut() override { return 0; }
    int CanCopy() override { return 0; }
    // The common shade and font of the line's cells (mixed where they
    // differ); set on every cell, then on the line itself.
    int GetShade(BASICSHADE* out) override;
    int GetFont(TEXTATTR* out) override;
    void SetShade(const BASICSHADE& shade) override;
    void SetFont(const TEXTATTR& attr) override;

    // The cell at position i along the line.
    virtual FCELL* GetCell(int i) const = 0;
    // Stands for that column or row of the table; 0 when it cannot.
    virtual int Attach(FTABLE* table, uint16_t index) = 0;

    uint16_t GetIndex() const { return index; }
    int16_t GetEnd() const { return end; }

protected:
    int16_t first = 0;
    int16_t end = 0;
    uint16_t index = 0;
};

class TABLECOL : public TABLECOLROW {
public:
    const char* GetRuntimeClass() const override { return "TABLECOL"; }
    uint8_t GetType() const override { return kTypeColumn; }
    // Code 8 renames the column; every other code goes to every cell.
    void OnEvent(uint8_t code, uintptr_t a, uintptr_t b) override;
    int GetAttribute(int kind, uintptr_t out) override;
    void GetTypeName(std::string& out) const override;
    // The column name check: 293 when another column has the name.
    int ExtCheck(std::string& name, uintptr_t a) override;
    void GetRect(RECT& out) const override;
    void GetOuterRect(RECT& out, VIEWDC& dc) override;
    // The left line's border; 1 when the right line's is the same.
    int GetBorder(BORDER* out) override;
    int GetAlignment(uint8_t* out) override;
    void SetAlignment(uint8_t align) override;
    FCELL* GetCell(int i) const override;
    int Attach(FTABLE* table, uint16_t column) override;
};

class TABLEROW : public TABLECOLROW {
public:
    const char* GetRuntimeClass() const override { return "TABLEROW"; }
    uint8_t GetType() const override { return kTypeRow; }
    // Kind 1 (field data) answers 0.
    int GetAttribute(int kind, uintptr_t out) override;
    void GetRect(RECT& out) const override;
    void GetOuterRect(RECT& out, VIEWDC& dc) override;
    int GetBorder(BORDER* out) override;
    FCELL* GetCell(int i) const override;
    int Attach(FTABLE* table, uint16_t row) override;
};
