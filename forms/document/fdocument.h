// The form document: owns a form's objects, styles, pages, layouts, filling
// order, special fields and undo list, hands out the numbers that identify
// fields, objects and tables, and keeps the form in its compound file.
#pragma once

#include "forms/document/design_defaults.h"
#include "forms/document/field_index.h"
#include "forms/document/ptrarray.h"
#include "forms/document/style_kinds.h"
#include "forms/document/test_fill_values.h"
#include "forms/edit/filling_order.h"
#include "forms/edit/undo_list.h"
#include "forms/model/end_edit_flags.h"
#include "forms/model/fobjlist.h"
#include "forms/model/object_document.h"

#include "platform/storage/storage.h"
#include "platform/ui/document.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CCINTERFACE;
class DATATYPE;
class DocumentHost;
class FLAYLIST;
class FLAYOUT;
class FONT_TABLE;
class FPAGELIST;
class OBJECT_VIEW;
class RECORDARCHIVE;
class TABLE_CELLS;
struct OPERAND;
namespace io {
class Archive;
}

// String id of "No Field".
constexpr int kNoFieldName = 581;

// The view mode each view writes into its document when it is activated.
constexpr uint8_t kViewModeFill = 1;
constexpr uint8_t kViewModeDesign = 2;

class FDOCUMENT
    : public ui::Document
    , public OBJECT_DOCUMENT
    , public FieldLookup
    , public FillingOrder {
public:
    // The host may be null (no application: no dialogs, views or undo).
    explicit FDOCUMENT(DocumentHost* host = nullptr);
    ~FDOCUMENT() override;

    // What form objects ask of their document.
    uint32_t GetCreationStamp() const override { return creationStamp; }
    bool IsAlternativeFormat() const override { return false; }
    uint16_t GetAlternativeFormat() const override { return 0; }
    FORMOBJ* FindObjectByName(uint8_t type, std::string_view name) override;
    // A form object (not a style) of that type and name.
    FORMOBJ* FindObjectOfTypeByName(uint8_t type, std::string_view name) override;
    void RemoveFromTabOrder(FORMOBJ* object) override;

    FOBJLIST& GetObjects() { return objects; }
    FOBJLIST& GetStyles() { return styles; }
    FOBJLIST& GetSpecialFields() { return specialFields; }
    FPAGELIST& GetPages() { return *pages; }
    FLAYLIST& GetLayouts() { return *layouts; }
    PTRARRAY& GetTabOrder() { return tabOrder; }
    // Undo Deletion's record and the format commands' snapshots.
    UNDO_LIST& GetUndoList() { return undoList; }

    // Styles (fdocument_styles.cpp).
    FORMOBJ* FindFirstStyle(uint8_t type);
    FORMOBJ* FindNextStyle(uint8_t type, FORMOBJ* after);
    FORMOBJ* GetFirstListObject();
    FORMOBJ* GetNextObject(FORMOBJ* object);
    // 1 when added: before the first style of its type whose name sorts
    // after its own (case ignored), else right after the last of its type,
    // or at the head when it is the first of its type. A style of the same
    // type and name refuses it (0), and it is deleted.
    int AddStyleInNameOrder(std::unique_ptr<FORMOBJ> style);
    // Empties the undo list; every object, group member and special field
    // that follows the style keeps its look as its own; the style is
    // deleted.
    void DeleteStyle(FORMOBJ* style);
    // The current style name of each kind for new objects.
    STYLE_KINDS& GetStyleKinds() { return styleKinds; }

    // The filling order as the undo list sees it.
    void Renumber() override { tabOrder.Renumber(); }
    void RestoreFields(const std::vector<FORMOBJ*>& restored) override;

    // Counters: each answers its value, then counts on.
    uint16_t GetNextFieldID() override { return nextFieldId++; }
    uint16_t GetNextObjectNumber() override { return nextObjectNumber++; }
    uint16_t GetNextTableID() override { return nextTableId++; }
    uint16_t GetTableCounter(bool advance) override { return advance ? tableCounter++ : tableCounter; }
    uint16_t GetNextOleItemNumber() { return ++lastOleItem; }
    // The value kept in the stream "CounterStream"; 0 when the file has none.
    uint32_t GetDocumentCounter() const { return documentCounter; }

    // The field of the form objects or the special fields with that id.
    FORMOBJ* FindField(uint16_t id) override;
    // The special field named by that string's text, or null.
    FORMOBJ* FindSpecialField(int stringId);
    // The i-th field in filling order; kNoFieldId when there is none.
    uint16_t GetFieldIDAt(int i) const;
    int GetTabOrderCount() const { return tabOrder.GetCount(); }
    // 1 and the field's name; reserved ids give "No Field"; unknown ids 0.
    int GetFieldNameForID(uint16_t id, std::string& name);
    // A field at its own tab index, or in its sorted place; a table's cells
    // row by row (together at the first cell's sorted place); a group's
    // fields and tables in list order. 1 when placed; on a failure what
    // went in is taken out again.
    int InsertFieldInOrder(FORMOBJ* object, bool atOwnIndex) override;
    // Whether the field, or the table's cells, are in the filling order.
    bool IsInTabOrder(FORMOBJ* object);
    // Takes every cell of the table out of the filling order.
    void RemoveTableCellsFromOrder(TABLE_CELLS& table);
    // 1 and the column code of the field's data type, or 0 and 0.
    int GetFieldColumnType(uint16_t id, uint16_t& out);
    // The field's data type, or null.
    DATATYPE* GetFieldDataType(uint16_t id);
    // The table that holds the cell with that id, or null.
    TABLE_CELLS* FindTableOfCell(uint16_t id);

    // The formula host and what it asks of the form's fields.
    CCINTERFACE& GetFormulaHost() { return *formulaHost; }
    void Calculate(uint16_t id) override;
    void SetFieldDependantsOOD(uint16_t id) override;
    // 1 and the id of the first field or table cell of the form (special
    // fields aside) whose full name is the name, letter case counting.
    int FindFieldIDByName(std::string_view name, uint16_t& id);
    // Stores a calculated value into a field, clears the other radio
    // buttons of a check box it checks, and has the field drawn again.
    void SetFieldResult(uint16_t id, const OPERAND& value);
    // The active view of the document that shows form objects: the active
    // one, else the first; a view without a window when none shows it.
    OBJECT_VIEW* GetActiveObjectView();

    // Every field in filling order goes back to its saved value, the
    // document's counter passed for counting initial values; at the first
    // failure the user is told and the answer is 0.
    int RevertAllFields();
    // 1 when every field in filling order passes its rule check through the
    // active view; 0 at the first that fails (it is made current there).
    int ValidateAllFields();
    // The document's fill view when it is the active view, else null.
    OBJECT_VIEW* GetActiveFillView();
    // 1 to go on: with no fill view, 1; else the fill view commits its
    // current field with the flags (0: refused, stop), and unless the text
    // is accepted without a check every field is validated.
    int CommitFieldEdit(END_EDIT_FLAGS flags);

    // A test fill: it starts by keeping the fields' values, and when it
    // ends they are put back. Whatever writes the form in between writes
    // the kept values, never those of the fill.
    void KeepFieldValues() { testFillValues.Keep(tabOrder); }
    void PutBackFieldValues() { testFillValues.PutBack(); }
    bool IsTestFilling() const { return testFillValues.IsKeeping(); }
    // Ends a running test fill: the host takes the views that fill the
    // form back to design.
    void EndTestFill();

    // The view mode byte: the active view's kind (fill 1, design 2). The
    // file commands work only in the design view.
    uint8_t GetViewMode() const { return viewMode; }
    void SetViewMode(uint8_t mode) { viewMode = mode; }
    // The index of the view the form is shown in first. The form file keeps
    // no view, so a form opens in the design view.
    uint32_t GetViewIndex() const { return viewIndex; }
    // The design view's choices for new objects, kept while another view
    // shows the form; null until the design view first hands them over.
    DESIGN_DEFAULTS* GetDesignDefaults() const { return designDefaults.get(); }
    DESIGN_DEFAULTS& MakeDesignDefaults();
    // File Save, Save As, Close, New, Open and Exit are disabled, and do
    // nothing, while the view mode is not design.
    bool OnCmdMsg(unsigned id, ui::CmdCode code, ui::CmdUI* cmdUI) override;

    // Pages; page numbers are 1-based.
    uint16_t GetPageCount() const;
    void AppendPage();
    void InsertPage(uint16_t before);
    void DeletePage(uint16_t page);
    int PageHasObjects(uint16_t page) const { return objects.HasPage(page); }
    // The layout of a page, the first layout for a page that names none.
    FLAYOUT* GetPageLayout(uint16_t page) const;

    // The page extent in twips, taken from the first layout when first asked.
    void GetPageSize(uint32_t& width, uint32_t& height);
    void SetPageSize(uint32_t width, uint32_t height);

    // Marks the document and puts the title's '*' mark in step.
    void SetModified(bool modified);
    // Adds or drops the leading '*' after the modified flag.
    void SetTitle(std::string_view title);

    // The form file's "Contents" stream, both ways. Loading answers false
    // when the file was refused or abandoned; the user has been told why.
    bool Serialize(io::Archive& archive);
    void WriteForm(RECORDARCHIVE& ar);
    int ReadForm(RECORDARCHIVE& ar);
    void ReadFormBody(RECORDARCHIVE& ar);

    // Opens a form file into this (empty) document; false after telling the
    // user why it could not.
    bool OnOpenDocument(const std::string& path);
    // Writes the document to a path; false after telling the user why, and
    // the file at the path, if any, is as it was.
    bool OnSaveDocument(const std::string& path);
    // Without a path the user is asked for one (told when it names a file
    // we may not write, and asked before an existing file is replaced);
    // with replacePath the document then belongs to the new file.
    bool DoSave(const std::string& path, bool replacePath);
    // Saves to the document's file; one we may not write is left as it is
    // and the user may choose another name.
    bool OnFileSave();
    bool OnFileSaveAs();
    bool DoFileSave() override { return OnFileSave(); }
    // Asks about unsaved changes; unless cancelled the title loses its mark.
    bool SaveModified() override;
    // The file's name when the form has one, else the title without the
    // modified mark.
    std::string NameToSaveAs() const override;
    const std::string& GetPathName() const { return pathName; }

    // 0 when a container whose name holds "Excel" hosts the document.
    uint8_t GetPictureFlag() const { return pictureFlag; }
    void SetContainerName(std::string name) { containerName = std::move(name); }
    void SetSavingForRunlet(bool on) { savingForRunlet = on; }

    // The file's own font table while its body is read, else null.
    FONT_TABLE* GetFileFontTable() const { return fileFontTable.get(); }

private:
    // The filling-order steps of InsertFieldInOrder, without renumbering.
    int InsertInOrder(FORMOBJ& object, bool atOwnIndex);
    int InsertTableInOrder(TABLE_CELLS& table, bool atOwnIndex);
    void RemoveOrderOf(FORMOBJ& object);
    void DeleteContents();
    // Pages that name no layout take the first; a form has at least one
    // page and one layout.
    void CheckPagesAndLayouts();
    void ReadSettings(uint8_t tag, RECORDARCHIVE& ar);
    // The masters that read styles named are dropped.
    void DropStyleMasters();
    void WriteTrailer(RECORDARCHIVE& ar);
    void ReadTrailer(RECORDARCHIVE& ar);
    bool Load(storage::Storage& root);
    std::string ProposedFileName() const;

    // The field index, built again when first asked after a load.
    FIELD_INDEX& Index();

    DocumentHost* host;
    uint32_t viewIndex = 0;
    uint8_t viewMode = kViewModeDesign;
    uint32_t creationStamp;
    FOBJLIST objects;
    FOBJLIST styles;
    FOBJLIST specialFields;
    STYLE_KINDS styleKinds;
    std::unique_ptr<FPAGELIST> pages;
    std::unique_ptr<FLAYLIST> layouts;
    PTRARRAY tabOrder;
    // Declared after the object list: deleted objects it keeps are freed
    // before the objects still on the form.
    UNDO_LIST undoList;
    std::unique_ptr<FONT_TABLE> fileFontTable;
    uint16_t lastOleItem = 0;
    uint16_t nextFieldId = 1;
    uint16_t nextObjectNumber = 1;
    uint16_t nextTableId = 1;
    uint16_t tableCounter = 1;
    uint16_t version = 0;
    uint32_t extentWidth = 0;
    uint32_t extentHeight = 0;
    uint32_t documentCounter = 0;
    uint8_t pictureFlag = 1;
    bool savingForRunlet = false;
    std::string containerName;
    std::string pathName;
    // The file the document came from: its storages and streams other than
    // "Contents" are carried into every file the document is saved to.
    storage::Storage sourceRoot;
    FIELD_INDEX fieldIndex;
    bool fieldIndexStale = true;
    std::unique_ptr<CCINTERFACE> formulaHost;
    std::unique_ptr<OBJECT_VIEW> windowlessView;
    // What followed the OLE items in the file, kept while no owner reads it.
    std::vector<uint8_t> trailer;
    // The picture flag the kept trailer was read with: written back with it.
    uint8_t trailerPictureFlag = 1;
    std::unique_ptr<DESIGN_DEFAULTS> designDefaults;
    TEST_FILL_VALUES testFillValues;
};
