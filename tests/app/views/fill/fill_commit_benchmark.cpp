// Leaving a field on which 100 or 1,000 formulas depend, in a form of
// 10,000 fields, in the fill view: the field's commit takes the value, the
// formula host calculates the dependants and stores their results, and the
// view repaints them. Beside it the recalculation alone, in the same form
// without a view: what the commit costs beyond it is the view's share.
#include "tests/document/dependant_fields.h"
#include "tests/document/document_test_support.h"

#include "forms/app/views/fill/ffillview.h"
#include "forms/document/ccinterface.h"
#include "forms/document/document_objects.h"
#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/fields/datatypes/numberdatatype.h"
#include "forms/objects/ffield.h"

#include "platform/ui/view_host.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int kFields = 10000;

QApplication& StartQt()
{
    static int argc = 1;
    static char name[] = "fill_commit_benchmark";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication app(argc, argv);
    return app;
}

// A number whose edit always takes a new value: the benchmark measures the
// commit, not the typing.
class TakenNumber : public NUMBERDATATYPE {
public:
    TakenNumber()
    {
        InitialiseValue();
        pEditHandle = std::make_unique<EDITHANDLE>();
    }
    std::unique_ptr<DATATYPE> Clone() const override { return std::make_unique<TakenNumber>(); }
    // No editor window: the value is taken as if typed.
    void CreateControl(const TEXTDRAWINFO&, const RECT&, const RECT&, TEXTATTR, uint8_t, uint16_t, const uint32_t*,
        const uint32_t*, OBJECT_VIEW*, FORMOBJ*, uintptr_t) override
    {}
    int EndEdit(OBJECT_VIEW*, const RECT&, END_EDIT_FLAGS) override
    {
        OPERAND operand {};
        operand.nType = kOperandNumber;
        operand.dNumber = ++value;
        SetFromOperand(operand);
        bChanged = 1;
        return 1;
    }
    double value = 0;
};

struct Form {
    ProgramParts program;
    FDOCUMENT doc;
    FFILLVIEW view;
    ui::ViewHost host;
    FFIELD* source = nullptr;

    explicit Form(int dependants)
    {
        RegisterDocumentObjects();
        RegisterValueDataTypes();
        const TakenNumber first;
        source = AddFieldsDependingOnTheFirst(doc, kFields, dependants, &first);
        host.resize(900, 700);
        host.SetView(&view);
        view.SetDocument(&doc);
        host.show();
        view.OnActivateView(true, &view, &view);
        view.OnInitialUpdate();
    }
    ~Form()
    {
        host.SetView(nullptr);
        view.SetDocument(nullptr);
    }
};

void CommitFieldInFillView(benchmark::State& state)
{
    StartQt();
    Form form(static_cast<int>(state.range(0)));
    for (auto _ : state)
        if (!form.source->CommitEdit(&form.view, {}))
            state.SkipWithError("refused");
}
BENCHMARK(CommitFieldInFillView)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void RecalculateDependants(benchmark::State& state)
{
    StartQt();
    ProgramParts program;
    FDOCUMENT doc;
    RegisterDocumentObjects();
    RegisterValueDataTypes();
    FFIELD* source = AddFieldsDependingOnTheFirst(doc, kFields, static_cast<int>(state.range(0)));
    doc.Calculate(0);
    OPERAND operand {};
    operand.nType = kOperandNumber;
    operand.dNumber = 0;
    for (auto _ : state) {
        ++operand.dNumber;
        source->GetDataType()->SetFromOperand(operand);
        doc.Calculate(source->GetFieldID());
    }
}
BENCHMARK(RecalculateDependants)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
