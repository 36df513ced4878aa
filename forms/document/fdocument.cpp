// The form document: its parts, counters, look-ups, pages and title.
#include "forms/document/fdocument.h"

#include "forms/document/ccinterface.h"
#include "forms/document/document_host.h"
#include "forms/document/field_identity.h"
#include "forms/document/font_table.h"
#include "forms/document/formula_section.h"
#include "forms/document/fpagelist.h"
#include "forms/document/print/flayout.h"
#include "forms/document/print/printer_list.h"
#include "forms/document/special_fields.h"
#include "forms/document/windowless_view.h"
#include "forms/fields/datatypes/datatype.h"
#include "forms/model/formobj.h"
#include "forms/model/group_members.h"
#include "forms/model/record_archive.h"
#include "forms/objects/ffield.h"
#include "forms/res/program_resources.h"

#include "platform/ui/clock.h"

#include <algorithm>

namespace {

// A stamp by which a paste knows objects copied from this very document:
// random, so that documents made in the same second, or in two processes,
// differ; never 0, which a selection without a document carries.
uint32_t NewCreationStamp()
{
    const uint32_t stamp = ui::RandomU32();
    return stamp != 0 ? stamp : 1;
}

} // namespace

FDOCUMENT::FDOCUMENT(DocumentHost* host)
    : host(host)
    , creationStamp(NewCreationStamp())
    , pages(std::make_unique<FPAGELIST>())
    , layouts(std::make_unique<FLAYLIST>(GetPrinterList()))
    , tabOrder(this)
    , formulaHost(std::make_unique<CCINTERFACE>(*this))
    , windowlessView(std::make_unique<WINDOWLESS_VIEW>(*this))
{
    RegisterFormulaSection();
    pages->SetLayoutNumber(1, 1);
    MakeDefaultSpecialFields(specialFields);
}

FDOCUMENT::~FDOCUMENT() = default;

void FDOCUMENT::DeleteContents()
{
    undoList.Clear();
    tabOrder.RemoveAll();
    objects.RemoveAll();
    styles.RemoveAll();
    styleKinds.Clear();
    specialFields.RemoveAll();
    MakeDefaultSpecialFields(specialFields);
    pages = std::make_unique<FPAGELIST>();
    pages->SetLayoutNumber(1, 1);
    layouts = std::make_unique<FLAYLIST>(GetPrinterList());
    fileFontTable.reset();
    lastOleItem = 0;
    nextFieldId = nextObjectNumber = nextTableId = tableCounter = 1;
    extentWidth = extentHeight = 0;
    documentCounter = 0;
    pictureFlag = 1;
    trailer.clear();
    sourceRoot.Release();
    fieldIndex.Clear();
    fieldIndexStale = true;
    formulaHost->RemoveAllFormulas();
}

FORMOBJ* FDOCUMENT::FindObjectByName(uint8_t type, std::string_view name)
{
    return styles.FindByName(type, name);
}

FORMOBJ* FDOCUMENT::FindObjectOfTypeByName(uint8_t type, std::string_view name)
{
    return objects.FindByName(type, name);
}

FIELD_INDEX& FDOCUMENT::Index()
{
    if (fieldIndexStale) {
        fieldIndex.Clear();
        fieldIndex.AddList(objects);
        fieldIndex.AddList(specialFields);
        fieldIndexStale = false;
    }
    return fieldIndex;
}

FORMOBJ* FDOCUMENT::FindField(uint16_t id)
{
    return Index().Find(id);
}

TABLE_CELLS* FDOCUMENT::FindTableOfCell(uint16_t id)
{
    return Index().FindTable(id);
}

DATATYPE* FDOCUMENT::GetFieldDataType(uint16_t id)
{
    auto* field = dynamic_cast<FFIELD*>(FindField(id));
    return field ? field->GetDataType() : nullptr;
}

int FDOCUMENT::GetFieldColumnType(uint16_t id, uint16_t& out)
{
    out = 0;
    DATATYPE* type = GetFieldDataType(id);
    if (!type)
        return 0;
    out = static_cast<uint16_t>(type->GetColumnType());
    return 1;
}

FORMOBJ* FDOCUMENT::FindSpecialField(int stringId)
{
    const std::string name = ProgramResources().LoadString(static_cast<uint32_t>(stringId));
    for (FORMOBJ* o = specialFields.GetHead(); o; o = o->GetNext())
        if (o->GetName() == name)
            return o;
    return nullptr;
}

uint16_t FDOCUMENT::GetFieldIDAt(int i) const
{
    const FieldIdentity* field = AsField(tabOrder.GetAt(i));
    return field ? field->GetFieldID() : kNoFieldId;
}

int FDOCUMENT::GetFieldNameForID(uint16_t id, std::string& name)
{
    if (id >= kFirstReservedFieldId) {
        name = ProgramResources().LoadString(kNoFieldName);
        return 1;
    }
    FORMOBJ* field = FindField(id);
    if (!field) {
        name.clear();
        return 0;
    }
    field->GetFullName(name);
    return 1;
}

uint16_t FDOCUMENT::GetPageCount() const
{
    return pages->GetCount();
}

void FDOCUMENT::AppendPage()
{
    InsertPage(static_cast<uint16_t>(pages->GetCount() + 1));
}

void FDOCUMENT::InsertPage(uint16_t before)
{
    if (pages->GetCount() >= 0xFFFE)
        RECORDARCHIVE::ThrowLoadMemoryError();
    // Deleted objects kept for Undo Deletion would come back on pages that
    // have moved.
    undoList.Clear();
    auto page = std::make_unique<FPAGE>();
    page->layout = 1;
    if (FLAYOUT* layout = layouts->GetFirst())
        ++layout->pageCount;
    if (before <= pages->GetCount())
        objects.InsertPage(before);
    pages->InsertBefore(before, std::move(page));
    SetModified(true);
}

void FDOCUMENT::DeletePage(uint16_t page)
{
    if (!pages->GetAt(page))
        return;
    undoList.Clear();
    objects.DeletePage(page, this);
    if (pages->GetCount() > 1) {
        if (FLAYOUT* layout = GetPageLayout(page); layout && layout->pageCount > 0)
            --layout->pageCount;
        pages->Remove(page);
    }
    SetModified(true);
}

FLAYOUT* FDOCUMENT::GetPageLayout(uint16_t page) const
{
    FLAYOUT* layout = layouts->Nth(pages->GetLayoutNumber(page));
    return layout ? layout : layouts->GetFirst();
}

void FDOCUMENT::CheckPagesAndLayouts()
{
    if (layouts->GetCount() == 0)
        layouts->Append(layouts->MakeDefault());
    if (pages->GetCount() == 0)
        pages->AddTail(std::make_unique<FPAGE>());
    for (uint16_t n = 1; n <= pages->GetCount(); ++n) {
        FPAGE* page = pages->GetAt(n);
        if (page->layout < 1 || page->layout > layouts->GetCount())
            page->layout = 1;
    }
}

void FDOCUMENT::GetPageSize(uint32_t& width, uint32_t& height)
{
    if (extentWidth == 0 && extentHeight == 0)
        if (const FLAYOUT* first = layouts->GetFirst()) {
            extentWidth = first->pageWidth;
            extentHeight = first->pageHeight;
        }
    width = extentWidth;
    height = extentHeight;
}

void FDOCUMENT::SetPageSize(uint32_t width, uint32_t height)
{
    if (FLAYOUT* first = layouts->GetFirst()) {
        const int32_t right = first->right + static_cast<int32_t>(width) - first->pageWidth;
        const int32_t bottom = first->bottom + static_cast<int32_t>(height) - first->pageHeight;
        first->right = static_cast<uint16_t>(std::max<int32_t>(right, first->left));
        first->bottom = static_cast<uint16_t>(std::max<int32_t>(bottom, first->top));
        first->pageWidth = static_cast<uint16_t>(width);
        first->pageHeight = static_cast<uint16_t>(height);
    }
    extentWidth = width;
    extentHeight = height;
}

void FDOCUMENT::SetModified(bool modified)
{
    SetModifiedFlag(modified);
    SetTitle(GetTitle());
}

void FDOCUMENT::SetTitle(std::string_view title)
{
    std::string shown(title);
    const bool marked = !shown.empty() && shown.front() == '*';
    if (IsModified() && !marked)
        shown.insert(shown.begin(), '*');
    else if (!IsModified() && marked)
        shown.erase(shown.begin());
    if (host && host->IsTutorialMode())
        shown.clear();
    ui::Document::SetTitle(shown);
}
