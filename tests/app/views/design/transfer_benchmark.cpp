// Copy and paste of 2,000 selected objects in the design view: the copy
// into the clipboard's blocks and the paste with its placement.
#include "tests/app/support/second_form.h"
#include "tests/app/support/view_test_support.h"

#include "forms/model/fobjlist.h"
#include "forms/model/formobj.h"
#include "forms/objects/fselection.h"

#include "platform/ui/clipboard.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int kObjects = 2000;

QApplication& App()
{
    static int argc = 1;
    static char name[] = "transfer_benchmark";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication app(argc, argv);
    static ProgramWideParts parts;
    return app;
}

// A form with 2,000 small boxes and ellipses, all selected.
void FillAndSelect(SecondForm& form)
{
    FOBJLIST& objects = form.doc->GetObjects();
    for (int i = 0; i < kObjects; ++i) {
        auto o = objects.CreateObject(i % 2 ? kTypeBox : kTypeEllipse);
        const int32_t x = 720 + (i % 50) * 200;
        const int32_t y = 720 + (i / 50) * 200;
        o->SetRect(x, y, x + 150, y + 150);
        FORMOBJ* added = o.get();
        objects.SetObjectPage(std::move(o), 1);
        added->Select(&form.view);
    }
}

void BM_Copy2000(benchmark::State& state)
{
    App();
    SecondForm form;
    FillAndSelect(form);
    for (auto _ : state) {
        ui::DataSource source;
        form.view.GetSelection()->Copy(&form.view, &source);
        benchmark::DoNotOptimize(source.Data(kFormatSelection)->size());
    }
}
BENCHMARK(BM_Copy2000)->Unit(benchmark::kMillisecond);

void BM_Paste2000(benchmark::State& state)
{
    App();
    SecondForm from;
    FillAndSelect(from);
    from.view.GetClipboard().OnEditCopy();
    const ui::DataObject copied = ui::DataObject::FromClipboard();
    for (auto _ : state) {
        SecondForm into;
        FSELECTION paste(nullptr);
        paste.PasteObjects(&into.view, &copied);
        into.view.GetClipboard().PlacePasted(paste, nullptr);
        benchmark::DoNotOptimize(into.doc->GetObjects().GetCount());
    }
}
BENCHMARK(BM_Paste2000)->Unit(benchmark::kMillisecond);

} // namespace
