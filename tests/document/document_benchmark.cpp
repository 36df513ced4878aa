// Opening and saving a form of 50 pages with 10,000 objects, putting 2,000
// copied objects onto one of its pages as a paste does (beside only copying
// them), and opening a form whose font section lists 40,000 faces.
#include "tests/document/document_test_support.h"

#include "forms/model/fobjlist.h"
#include "forms/model/formobj.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kPages = 50;
constexpr int kObjects = 10000;
constexpr int kFaces = 40000;
constexpr int kPasted = 2000;
constexpr uint16_t kPastePage = kPages / 2;

void StartQt()
{
    static int argc = 1;
    static char name[] = "document_benchmark";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(argc, argv);
}

struct Form {
    ProgramParts program;
    FormKinds kinds;
    TempFolder folder;
    FDOCUMENT doc;
    std::string path = folder.File("large.qwm");

    Form()
    {
        const uint8_t types[] = {kTypeBox, kTypeEllipse, kTypeLine, kTypeOrthLine};
        for (int p = 1; p < kPages; ++p)
            doc.AppendPage();
        for (int i = 0; i < kObjects; ++i) {
            const auto page = static_cast<uint16_t>(1 + i % kPages);
            std::unique_ptr<FORMOBJ> shape = doc.GetObjects().CreateObject(types[i % 4]);
            shape->SetName("Shape" + std::to_string(i));
            shape->SetRect(i % 100 * 100, i % 97 * 150, i % 100 * 100 + 90, i % 97 * 150 + 140);
            doc.GetObjects().SetObjectPage(std::move(shape), page);
        }
    }
};

void BM_SaveForm(benchmark::State& state)
{
    StartQt();
    Form form;
    for (auto _ : state)
        if (!form.doc.OnSaveDocument(form.path))
            state.SkipWithError("save failed");
}
BENCHMARK(BM_SaveForm)->Unit(benchmark::kMillisecond);

void BM_OpenForm(benchmark::State& state)
{
    StartQt();
    Form form;
    if (!form.doc.OnSaveDocument(form.path))
        state.SkipWithError("save failed");
    for (auto _ : state) {
        FDOCUMENT opened;
        if (!opened.OnOpenDocument(form.path) || opened.GetObjects().GetCount() != kObjects)
            state.SkipWithError("open failed");
    }
}
BENCHMARK(BM_OpenForm)->Unit(benchmark::kMillisecond);

// Copies of the form's first objects, as a paste brings them.
std::vector<std::unique_ptr<FORMOBJ>> Copies(FOBJLIST& objects)
{
    std::vector<std::unique_ptr<FORMOBJ>> copies;
    FORMOBJ* o = objects.GetHead();
    for (int i = 0; i < kPasted; ++i, o = o->GetNext())
        copies.push_back(o->Clone());
    return copies;
}

void BM_CopyObjects(benchmark::State& state)
{
    StartQt();
    Form form;
    for (auto _ : state)
        benchmark::DoNotOptimize(Copies(form.doc.GetObjects()));
}
BENCHMARK(BM_CopyObjects)->Unit(benchmark::kMillisecond);

void BM_PasteObjects(benchmark::State& state)
{
    StartQt();
    Form form;
    FOBJLIST& objects = form.doc.GetObjects();
    for (auto _ : state) {
        std::vector<FORMOBJ*> placed;
        for (std::unique_ptr<FORMOBJ>& copy : Copies(objects)) {
            placed.push_back(copy.get());
            objects.SetObjectPage(std::move(copy), kPastePage);
        }
        state.PauseTiming();
        for (FORMOBJ* o : placed)
            objects.Delete(o);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PasteObjects)->Unit(benchmark::kMillisecond);

void BM_OpenFontSection(benchmark::State& state)
{
    StartQt();
    ProgramParts program;
    TempFolder folder;
    const std::string path = folder.File("faces.qwm");
    if (!SaveFormWithFaces(path, kFaces))
        state.SkipWithError("save failed");
    for (auto _ : state) {
        FDOCUMENT opened;
        if (!opened.OnOpenDocument(path))
            state.SkipWithError("open failed");
    }
}
BENCHMARK(BM_OpenFontSection)->Unit(benchmark::kMillisecond);

} // namespace
