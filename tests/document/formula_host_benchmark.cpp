// Committing a value on which 1,000 formulas depend, in a form of 10,000
// fields: the document's formula host calculates the dependants, asking
// for values and storing results by field id.
#include "tests/document/dependant_fields.h"
#include "tests/document/document_test_support.h"

#include "forms/document/ccinterface.h"
#include "forms/document/document_objects.h"
#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/objects/ffield.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int kFields = 10000;
constexpr int kDependants = 1000;

void StartQt()
{
    static int argc = 1;
    static char name[] = "formula_host_benchmark";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(argc, argv);
}

struct Form {
    ProgramParts program;
    FDOCUMENT doc;
    FFIELD* source = nullptr;

    Form()
    {
        RegisterDocumentObjects();
        RegisterValueDataTypes();
        // Every tenth field reads the source.
        source = AddFieldsDependingOnTheFirst(doc, kFields, kDependants);
        doc.Calculate(0);
    }
};

void CommitFieldWithThousandDependants(benchmark::State& state)
{
    StartQt();
    Form form;
    double value = 0;
    OPERAND operand {};
    operand.nType = kOperandNumber;
    for (auto _ : state) {
        operand.dNumber = ++value;
        form.source->GetDataType()->SetFromOperand(operand);
        form.doc.Calculate(form.source->GetFieldID());
    }
    OPERAND last {};
    form.doc.GetFieldDataType(static_cast<uint16_t>(form.source->GetFieldID() + kDependants * 9))->GetOperand(last);
    if (last.dNumber != value * 2 + kDependants)
        state.SkipWithError("a dependant was not calculated");
}
BENCHMARK(CommitFieldWithThousandDependants)->Unit(benchmark::kMillisecond);

} // namespace
