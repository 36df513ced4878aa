// The table of a form: a grid of cells (each a field with its own field id)
// between boundary lines, with an optional band of column headers above the
// grid and of row headers to its left. The table owns every part; in the
// designer one part at a time can be current, and appearance commands act
// on it, or on the whole table when none is.
#pragma once

#include "forms/model/formobj.h"
#include "forms/model/table_cells.h"
#include "forms/objects/table_layout.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

class FBDRY;
class FCELL;
class FHEADER;
class OBJECT_DOCUMENT;
class TABLECOLROW;
struct TABLE_FORMAT;

// String ids: the type name "T", the column-name prefix "Col", and the
// refusal of a name that another table has.
constexpr uint16_t kTableTypeNameId = 195;
constexpr uint16_t kColumnNamePrefixId = 287;
constexpr uint16_t kTableNameTakenId = 292;

// The most cells a table may hold: each needs a field id below 0x8000.
constexpr int32_t kMaxTableCells = 0x7FFF;

class FTABLE
    : public FORMOBJ
    , public TABLE_CELLS {
public:
    FTABLE();
    ~FTABLE() override;

    const char* GetRuntimeClass() const override { return "FTABLE"; }
    // The parts come from Create: 1.
    int Init() override { return 1; }
    // The table's records (ftable_records.cpp).
    void Save(RECORDARCHIVE& ar, uint8_t tag) override;
    uint8_t GetType() const override { return kTypeTable; }
    // owner is the font table of the stream being read (or 0). A count of
    // 0, or more cells than field ids allow, fails the load.
    void Load(RECORDARCHIVE& ar, uintptr_t owner) override;

    // Drawing and hit testing (ftable_draw.cpp).
    void Draw(VIEWDC& dc) override;
    int IsDrawnIn(VIEWDC&) override { return 1; }
    // (x, y) device: strictly inside the grid or a header band; the empty
    // corner is off the table.
    int HitTest(VIEWDC& dc, int32_t x, int32_t y) override;
    // The cell under a device point on the table, or null.
    FORMOBJ* ObjectAt(VIEWDC& dc, int32_t x, int32_t y) override;
    // From the first to the last line of each dimension, header bands
    // included, with the lines' thickness.
    void GetOuterRect(RECT& out, VIEWDC& dc) override;

    // The current part (ftable_parts.cpp).
    void DrawSelection(VIEWDC& dc) override;
    // An already selected table picks the part under the last press.
    void Select(OBJECT_VIEW* view) override;
    uint16_t Deselect(OBJECT_VIEW* view) override;
    // A double click at the view's last press: a cell's appearance sheet,
    // or a header's text edited in place; 0 elsewhere.
    int ShowProperties(OBJECT_VIEW* view) override;
    void OnEvent(uint8_t code, uintptr_t a, uintptr_t b) override;
    // arg is the view: the current part ends.
    void ExtNotify(uintptr_t arg) override;
    int GetAttribute(int kind, uintptr_t out) override;
    int GetBorder(BORDER* out) override;
    int GetShade(BASICSHADE* out) override;
    int GetFont(TEXTATTR* out) override;
    int GetAlignment(uint8_t* out) override;
    int GetShadow(SHADOW* out) override;
    // On the current part, or else on every line (border) or every cell
    // and header (shade, font, alignment); the table leaves its master.
    void SetBorder(const BORDER& border) override;
    void SetShade(const BASICSHADE& shade) override;
    void SetFont(const TEXTATTR& attr) override;
    void SetAlignment(uint8_t align) override;
    void SetShadow(const SHADOW& shadow) override;
    int CanAlign() override { return current ? 0 : 1; }
    int CanCut() override { return current ? 0 : 1; }
    int CanCopy() override { return current ? 0 : 1; }
    void DrawTracker(VIEWDC& dc) override;
    // The current header's rich text; else null and 0.
    int GetRichText(uintptr_t* out) override;
    int SetCursor(OBJECT_VIEW* view, int hitCode) override;
    int HitTestHandles(VIEWDC& dc, int32_t x, int32_t y) override;

    // Resizing and boundary drags (ftable_drag.cpp).
    int Track(OBJECT_VIEW* view, int32_t x, int32_t y) override;
    // The lines scaled to the new rectangle, then the rectangle.
    void SetRectBy(int32_t left, int32_t top, int32_t right, int32_t bottom) override;

    // Structure, copies, masters and names (ftable.cpp, ftable_names.cpp).
    void TakeAppearanceFrom(FORMOBJ& source) override;
    // arg is the document: a new table id, and each cell a new field id.
    void ExtRefresh(uintptr_t arg) override;
    // arg is the view; see the names' rules in ftable_names.cpp.
    void DropMasterIfZero(int flag, uintptr_t arg) override;
    int NeedsConversionFor(uintptr_t arg) override;
    std::unique_ptr<FORMOBJ> Clone() const override;
    void GetTypeName(std::string& out) const override;
    // a is the document: trailing blanks dropped, the name checked, its
    // first letter made upper case and the rest lower; 0 (the message
    // shown) when refused or another table has it.
    int ExtCheck(std::string& name, uintptr_t a) override;
    void SetPage(uint16_t page) override;
    void ResetToDefaults() override;
    // A table as master hands each part the first part of its kind there;
    // null clears every part's master; another kind is ignored.
    void SetMaster(FORMOBJ* master) override;
    void DetachFromMaster() override;

    // TABLE_CELLS.
    FORMOBJ* FindCell(uint16_t id) override;
    bool GetCellPlace(uint16_t id, uint16_t& column, uint16_t& row) override;
    FORMOBJ* GetCellAt(uint16_t column, uint16_t row) override;
    FORMOBJ* FindCellByName(std::string_view name) override;
    uint16_t GetColumnCount() const override { return static_cast<uint16_t>(columns); }
    uint16_t GetRowCount() const override { return static_cast<uint16_t>(rows); }
    void ForEachCell(const std::function<void(FORMOBJ&)>& visit) override;

    // Builds the parts, freeing any old ones first; 0 (and an empty table)
    // when they cannot be made.
    int Create(int16_t columnCount, int16_t rowCount, int32_t withColumnHeaders, int32_t withRowHeaders);
    void Destroy();
    // A new table from a format, laid out evenly in its rectangle.
    int CreateFromFormat(const TABLE_FORMAT& format);
    // Lines for a rectangle: even (isNew) or scaled from the present ones
    // with the minimums; then every part placed. Answers the rectangle.
    RECT RecalcLayout(int32_t left, int32_t top, int32_t right, int32_t bottom, int isNew);
    // Every part's rectangle from the positions and the band starts.
    void PlaceParts(int32_t rowBandLeft, int32_t columnBandTop);
    void GetFormat(TABLE_FORMAT& out) const;

    // Lookup. Indices from 0; no range check where the name says so.
    FCELL* GetCell(int column, int row) const;
    int32_t GetColumnPos(int i) const { return colAxis.pos[i]; }
    int32_t GetRowPos(int j) const { return rowAxis.pos[j]; }
    FBDRY* GetColumnBoundary(int i) const;
    FBDRY* GetRowBoundary(int j) const;
    FBDRY* GetColumnHeaderBoundary(int i) const;
    FBDRY* GetRowHeaderBoundary(int j) const;
    FBDRY* GetColumnHeaderLine() const { return colHeaderLine.get(); }
    FBDRY* GetRowHeaderLine() const { return rowHeaderLine.get(); }
    FHEADER* GetColumnHeader(int i) const;
    FHEADER* GetRowHeader(int j) const;
    void GetColumnName(std::string& out, int i) const;
    void SetColumnName(int i, std::string_view newName);
    void GetCellRect(RECT& out, int column, int row) const;
    FCELL* FindCellById(uint16_t id) const;
    // 1 and the field id when a cell's full name matches (letter case
    // counts).
    int FindCellByName(std::string_view name, uint16_t& id) const;
    // The cell a row below, when the cell with field id `last` lies in that
    // row or further down the table; null otherwise.
    FCELL* GetCellBelow(const FCELL& cell, uint16_t last) const;
    uint16_t GetIdBelow(const FCELL& cell, uint16_t last) const;
    uint16_t GetTableId() const { return tableId; }
    void SetTableId(uint16_t id) { tableId = id; }
    bool HasColumnHeaders() const { return colHeaders != 0; }
    bool HasRowHeaders() const { return rowHeaders != 0; }

    // Geometry for the parts (ftable_geometry.cpp). Line rectangles are in
    // twips; edges are those of a line's band as drawn in the context.
    void CellFromPoint(int32_t x, int32_t y, int& column, int& row) const;
    void GetBoundaryLineRect(RECT& out, const FBDRY& boundary) const;
    int32_t GetBoundaryLeft(VIEWDC& dc, FBDRY& boundary);
    int32_t GetBoundaryTop(VIEWDC& dc, FBDRY& boundary);
    int32_t GetBoundaryRight(VIEWDC& dc, FBDRY& boundary);
    int32_t GetBoundaryBottom(VIEWDC& dc, FBDRY& boundary);
    // Between the cell's (header's) four lines as drawn; the inner one
    // less the cell's border, which a cell does not draw.
    void GetCellLineRect(RECT& out, VIEWDC& dc, const FCELL& cell);
    void GetCellInnerRect(RECT& out, VIEWDC& dc, const FCELL& cell);
    void GetHeaderRect(RECT& out, const FHEADER& header) const;
    void GetHeaderLineRect(RECT& out, VIEWDC& dc, const FHEADER& header);

    // The current part.
    FORMOBJ* GetCurrentObject() const { return current; }
    void SetCurrentObject(FORMOBJ* part, OBJECT_VIEW* view);
    void EndCurrentObject(OBJECT_VIEW* view);
    // The line, cell or header under a device point becomes current; lines
    // before what they border. Nothing hit: the current part stays.
    void SelectPartAt(OBJECT_VIEW* view, int32_t x, int32_t y);

    // Whole columns and rows (ftable_columns.cpp). kind kTypeColumn
    // makes a TABLECOL, any other a TABLEROW, through the cell under the
    // device point; it becomes the current part. 0 when none could be made.
    int SelectColumnOrRow(OBJECT_VIEW* view, uint8_t kind, int32_t x, int32_t y);
    // The current cell's column made current (or the current column
    // itself); null otherwise.
    FORMOBJ* SelectColumnOrRowAt(OBJECT_VIEW* view);
    // 1 when the device point lies on a cell, whose column or row can be
    // selected.
    int HitTestColumnOrRow(OBJECT_VIEW* view, int32_t x, int32_t y);
    // The current part when it is a header being edited; else null.
    FHEADER* GetEditedHeader() const;

    // Changing the format (ftable_format.cpp): counts and header bands;
    // kept parts keep their look, cells their field ids and values, new
    // cells get ids from the document. Columns (rows) are laid out evenly
    // in the rectangle when respaced. 0 (message shown, table unchanged)
    // when the new parts cannot be made.
    int ApplyFormat(const TABLE_FORMAT& format, int respaceColumns, int respaceRows, OBJECT_DOCUMENT* document,
        int32_t left, int32_t top, int32_t right, int32_t bottom);

    // Appearance by part (ftable_part_format.cpp): part 1 the row headers,
    // 2 the column headers, any other the cells. The readers take the first
    // member of the group; without one the shade and border readers answer
    // 0 and the alignment readers store ']' and answer 0.
    void SetPartShade(const BASICSHADE& shade, int part);
    void SetPartTextAttr(const TEXTATTR& attr, int part);
    void SetPartAlign(uint8_t align, int part);
    int GetCellShade(BASICSHADE* out) const;
    int GetColumnHeaderShade(BASICSHADE* out) const;
    int GetRowHeaderShade(BASICSHADE* out) const;
    int GetCellTextAttr(TEXTATTR* out) const;
    int GetColumnHeaderTextAttr(TEXTATTR* out) const;
    int GetRowHeaderTextAttr(TEXTATTR* out) const;
    int GetCellAlign(uint8_t* out) const;
    int GetColumnHeaderAlign(uint8_t* out) const;
    int GetRowHeaderAlign(uint8_t* out) const;
    int GetGridBorder(BORDER* out) const;
    int GetColumnHeaderBorder(BORDER* out) const;

    // Boundary drags (ftable_drag.cpp).
    int32_t GetBoundaryMin(const FBDRY& boundary) const;
    int32_t GetBoundaryMax(OBJECT_VIEW* view, const FBDRY& boundary) const;
    // The table's outline and the lines beyond the dragged one, moved with
    // the drag, inverted on the window.
    void DrawBoundaryDrag(gdi::DC* dc, const RECT& tracker, OBJECT_VIEW* view, FBDRY& boundary);
    // The table takes a boundary drag that ended at the boundary's tracker
    // rectangle: the lines beyond move with it.
    void TakeBoundaryDrag(const FBDRY& boundary, OBJECT_VIEW* view);
    bool IsDraggingBoundary() const { return colDrag || rowDrag; }
    void BeginBoundaryDrag(const FBDRY& boundary);
    // The drag ends: the flags cleared, the table repainted when the drag
    // had repainted it without its lines.
    void EndBoundaryDrag(OBJECT_VIEW* view);

private:
    // Which of the table's lines a boundary is (None: not one of them).
    enum class LineKind { Column, Row, ColumnHeader, RowHeader, ColumnHeaderLine, RowHeaderLine, None };
    LineKind KindOf(const FBDRY& boundary) const;
    // The band (outer rectangle as drawn) of a line across the grid.
    RECT LineBand(VIEWDC& dc, FBDRY& boundary);
    // Half a line's drawn width in twips; 0 without a line.
    static int32_t HalfWidth(const FBDRY* boundary);
    // Where each band starts: the header line's place, else the table's.
    int32_t RowBandLeft() const;
    int32_t ColumnBandTop() const;
    // Every boundary and header line, and every part, in one walk.
    void ForEachLine(const std::function<void(FBDRY&)>& visit) const;
    void ForEachPart(const std::function<void(FORMOBJ&)>& visit) const;
    // A part picked under (x, y) device of a drawing context: the first of
    // the candidates that hits.
    static FORMOBJ* FirstHit(VIEWDC& dc, int32_t x, int32_t y, std::initializer_list<FORMOBJ*> candidates);
    void ReadCounts(RECORDARCHIVE& ar);
    // false when the record is too short for the lines.
    bool ReadPositions(RECORDARCHIVE& ar);
    void ReadParts(RECORDARCHIVE& ar, uintptr_t owner, uint8_t group);
    void ReadColumnNames(RECORDARCHIVE& ar);
    // Copies every part that both tables have from another table.
    void CopyPartsFrom(const FTABLE& other);
    // A copy of another table's cell at (c, r) of this one, with its field
    // id; throws std::bad_alloc when it cannot be made.
    FCELL& PlaceCellCopy(int c, int r, const FCELL& from);
    // A freshly created table made the changed form of old: names, kept
    // cells with their ids and values, new cells with their neighbours' look
    // and their column's settings, headers, lines and positions. Throws
    // std::bad_alloc when a part cannot be made.
    void BuildFormatFrom(const FTABLE& old, const TABLE_FORMAT& format);
    // Exchanges every part, count, flag, position and name with another
    // table, each part then told it is this table's.
    void TakePartsOf(FTABLE& other);

    uint16_t tableId = 0;
    int16_t columns = 0;
    int16_t rows = 0;
    int32_t colHeaders = 0;
    int32_t rowHeaders = 0;
    FORMOBJ* current = nullptr;
    // The whole column or row made current; deleted when it stops being
    // current.
    std::unique_ptr<TABLECOLROW> proxy;
    TableAxis colAxis;
    TableAxis rowAxis;
    std::vector<std::string> columnNames;
    std::vector<std::unique_ptr<FBDRY>> colBoundaries;
    std::vector<std::unique_ptr<FBDRY>> rowBoundaries;
    // Column by column.
    std::vector<std::vector<std::unique_ptr<FCELL>>> cells;
    std::unique_ptr<FBDRY> colHeaderLine;
    std::vector<std::unique_ptr<FBDRY>> colHeaderBoundaries;
    std::vector<std::unique_ptr<FHEADER>> columnHeaders;
    std::unique_ptr<FBDRY> rowHeaderLine;
    std::vector<std::unique_ptr<FBDRY>> rowHeaderBoundaries;
    std::vector<std::unique_ptr<FHEADER>> rowHeaderObjects;
    std::unique_ptr<SHADOW> shadow;
    // Where the cell with a field id was last found (column, row): each
    // find checks it again, since ids and parts change under the table.
    mutable std::unordered_map<uint16_t, std::pair<uint16_t, uint16_t>> cellPlaces;
    int32_t colDrag = 0;
    int32_t rowDrag = 0;
    int32_t dragStarting = 0;
};
