// A form holding a table of 25 columns by 1,000 rows and a total over one
// of its columns, written once through the form file: opening it, drawing
// one screen of it in the fill view at 100 %, and recalculating the total
// after one cell changes.
#include "tests/common/offscreen_widgets.h"
#include "tests/document/document_test_support.h"

#include "forms/app/views/fill/ffillview.h"
#include "forms/document/ccinterface.h"
#include "forms/document/document_objects.h"
#include "forms/fields/datatypes/datatype.h"
#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/model/fobjlist.h"
#include "forms/objects/fcell.h"
#include "forms/objects/ffield.h"
#include "forms/objects/ftable.h"
#include "forms/objects/table_format.h"

#include "platform/ui/view_host.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr int kColumns = 25;
constexpr int kRows = 1000;
constexpr int32_t kRowHeight = 200;
constexpr int32_t kTableTop = 1080;

// The form file, written once: T1 with a number column B, and "Total" =
// SUM(T1.ColB[1..1000]) above it.
class TableForm {
public:
    static const std::string& Path()
    {
        static TableForm form;
        return form.path;
    }

private:
    TableForm()
    {
        RegisterDocumentObjects();
        RegisterValueDataTypes();
        FDOCUMENT doc;
        TABLE_FORMAT format;
        format.columns = kColumns;
        format.rows = kRows;
        format.rect = {720, kTableTop, 11520, kTableTop + (kRows + 1) * kRowHeight};
        auto table = std::make_unique<FTABLE>();
        if (!table->CreateFromFormat(format))
            std::abort();
        for (int r = 0; r < kRows; ++r)
            table->GetCell(1, r)->SetDataType(*CreateDataType(kKindNumber), nullptr);
        table->SetPage(1);
        table->ExtRefresh(reinterpret_cast<uintptr_t>(static_cast<OBJECT_DOCUMENT*>(&doc)));
        table->SetName("T" + std::to_string(doc.GetTableCounter(true)));
        FTABLE* placed = table.get();
        doc.GetObjects().SetObjectPage(std::move(table), 1);
        doc.InsertFieldInOrder(placed, false);

        auto total = std::make_unique<FFIELD>();
        TEXTATTR font;
        font.Reset();
        font.size = 200;
        if (!total->InitWithFont(font))
            std::abort();
        total->SetRect(720, 360, 4320, 660);
        total->SetDataType(*CreateDataType(kKindNumber), nullptr);
        total->SetName("Total");
        total->SetFieldID(doc.GetNextFieldID());
        FFIELD* sum = total.get();
        doc.GetObjects().SetObjectPage(std::move(total), 1);
        doc.InsertFieldInOrder(sum, false);
        char message[abacine::kNameBufferSize + 1] = {};
        const std::string formula = "SUM(T1.ColB[1.." + std::to_string(kRows) + "])";
        if (!doc.GetFormulaHost().AddFormula(sum->GetFieldID(), formula.c_str(), message) || !doc.OnSaveDocument(path))
            std::abort();
    }

    ProgramParts program;
    TempFolder folder;
    std::string path = folder.File("table.qwm");
};

struct Opened {
    ProgramParts program;
    FDOCUMENT doc;

    Opened()
    {
        RegisterDocumentObjects();
        RegisterValueDataTypes();
        if (!doc.OnOpenDocument(TableForm::Path()))
            std::abort();
    }
    FTABLE& Table() { return *dynamic_cast<FTABLE*>(doc.FindObjectOfTypeByName(kTypeTable, "T1")); }
    FFIELD& Total()
    {
        uint16_t id = 0;
        doc.FindFieldIDByName("Total", id);
        return *dynamic_cast<FFIELD*>(doc.FindField(id));
    }
};

void OpenTableForm(benchmark::State& state)
{
    StartOffscreenWidgets();
    const std::string& path = TableForm::Path();
    ProgramParts program;
    for (auto _ : state) {
        FDOCUMENT opened;
        if (!opened.OnOpenDocument(path) || opened.GetTabOrder().GetCount() != kColumns * kRows + 1)
            state.SkipWithError("open failed");
    }
}
BENCHMARK(OpenTableForm)->Unit(benchmark::kMillisecond);

void DrawTableScreen(benchmark::State& state)
{
    StartOffscreenWidgets();
    TableForm::Path();
    Opened form;
    FFILLVIEW view;
    ui::ViewHost host;
    host.resize(900, 700);
    host.SetView(&view);
    view.SetDocument(&form.doc);
    host.show();
    view.OnActivateView(true, &view, &view);
    view.OnInitialUpdate();
    view.SetZoom(100);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        view.RepaintAll();
        view.UpdateWindow();
        QCoreApplication::processEvents();
    }
    host.SetView(nullptr);
    view.SetDocument(nullptr);
}
BENCHMARK(DrawTableScreen)->Unit(benchmark::kMillisecond);

void RecalculateTableTotal(benchmark::State& state)
{
    StartOffscreenWidgets();
    TableForm::Path();
    Opened form;
    FFIELD& total = form.Total();
    FCELL& changed = *form.Table().GetCell(1, kRows / 2);
    form.doc.GetFormulaHost().SetAllOutOfDate();
    form.doc.Calculate(0);
    OPERAND operand {};
    operand.nType = kOperandNumber;
    for (auto _ : state) {
        ++operand.dNumber;
        changed.GetDataType()->SetFromOperand(operand);
        form.doc.Calculate(changed.GetFieldID());
    }
    OPERAND result {};
    total.GetDataType()->GetOperand(result);
    if (result.dNumber != operand.dNumber)
        state.SkipWithError("the total did not follow the cell");
}
BENCHMARK(RecalculateTableTotal)->Unit(benchmark::kMicrosecond);

} // namespace
