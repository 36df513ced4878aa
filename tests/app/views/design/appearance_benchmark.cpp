// Opening a field's appearance sheet and showing every page, and one live
// border change on 1,000 selected boxes with the repaint.
#include "tests/app/support/view_test_support.h"
#include "tests/common/offscreen_widgets.h"

#include "forms/app/views/design/fdesignview.h"
#include "forms/dialogs/appearance/objappdlg.h"
#include "forms/document/fdocument.h"
#include "forms/objects/fselection.h"

#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/view_host.h"

#include <QApplication>
#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

struct Designer {
    ProgramWideParts parts;
    std::unique_ptr<FDOCUMENT> doc = std::make_unique<FDOCUMENT>();
    FDESIGNVIEW view;
    ui::ViewHost host;

    Designer()
    {
        host.resize(1000, 800);
        host.SetView(&view);
        view.SetDocument(doc.get());
        host.show();
        QCoreApplication::processEvents();
        view.OnInitialUpdate();
        view.OnActivateView(true, &view, &view);
    }
    ~Designer()
    {
        host.SetView(nullptr);
        view.SetDocument(nullptr);
    }
    FORMOBJ* Add(uint8_t type, RECT rect)
    {
        std::unique_ptr<FORMOBJ> object = doc->GetObjects().CreateObject(type);
        object->SetRect(rect.left, rect.top, rect.right, rect.bottom);
        FORMOBJ* added = object.get();
        doc->GetObjects().SetObjectPage(std::move(object), 1);
        return added;
    }
};

void FieldSheetThroughAllPages(benchmark::State& state)
{
    StartOffscreenWidgets();
    Designer designer;
    FORMOBJ* field = designer.Add(kTypeField, {1440, 1440, 4320, 1800});
    ui::ScopedDialogHook hook([](ui::Dialog& running) {
        auto& sheet = static_cast<OBJAPPDLG&>(running);
        for (int i = 0; i < sheet.GetPageCount(); ++i)
            sheet.SetActivePage(i);
        sheet.EndDialog(2);
    });
    for (auto _ : state)
        benchmark::DoNotOptimize(designer.view.RunAppearanceSheet(193, *field));
}
BENCHMARK(FieldSheetThroughAllPages)->Unit(benchmark::kMillisecond);

void LiveBorderChangeOnAThousandBoxes(benchmark::State& state)
{
    StartOffscreenWidgets();
    Designer designer;
    for (int i = 0; i < 1000; ++i) {
        const int32_t x = 360 + (i % 40) * 280;
        const int32_t y = 360 + (i / 40) * 560;
        designer.Add(kTypeBox, {x, y, x + 200, y + 400})->Select(&designer.view);
    }
    BORDER border(1, 20, kLineSingle, 0, 1, 0);
    for (auto _ : state) {
        border.SetColour(border.colour ^ 0xFF);
        designer.view.SetSelectionBorder(border, 0);
        designer.view.UpdateWindow();
    }
}
BENCHMARK(LiveBorderChangeOnAThousandBoxes)->Unit(benchmark::kMillisecond);

} // namespace
