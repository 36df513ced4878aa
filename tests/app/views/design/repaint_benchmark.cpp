// Repainting a page of 2,000 objects at 100 %: the design view's repaint
// into its window, and beside it a plain QPainter widget drawing the same
// primitives (recorded once from the view's own drawing) straight onto the
// screen, the least a repaint of that page can cost.
#include "tests/app/support/view_test_support.h"
#include "tests/common/offscreen_widgets.h"

#include "forms/app/views/design/fdesignview.h"
#include "forms/document/fdocument.h"
#include "forms/objects/ftextobj.h"

#include "platform/gdi/colour.h"
#include "platform/gdi/font_face.h"
#include "platform/text/cp1252.h"
#include "platform/ui/view_host.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPainter>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int kObjects = 2000;
constexpr int kWidth = 1000;
constexpr int kHeight = 1200;

// Boxes and bordered text objects by turns, 25 across and 80 down a
// letter page.
void FillPage(FDOCUMENT& doc, FDESIGNVIEW& view)
{
    for (int i = 0; i < kObjects; ++i) {
        const int32_t x = 360 + (i % 25) * 460;
        const int32_t y = 360 + (i / 25) * 180;
        const bool box = i % 2 == 0;
        std::unique_ptr<FORMOBJ> object = doc.GetObjects().CreateObject(box ? kTypeBox : kTypeText);
        object->SetRect(x, y, x + 400, y + 160);
        FORMOBJ* placed = object.get();
        doc.GetObjects().SetObjectPage(std::move(object), 1);
        if (!box) {
            auto* text = static_cast<FTEXTOBJ*>(placed);
            TEXTATTR font = view.Format().NewObjectFont();
            font.size = 120;
            if (text->Create(font, 0) != 1 || text->SetText("Item " + std::to_string(i)) != 1)
                std::abort();
        }
    }
}

struct Designer {
    ProgramWideParts parts;
    std::unique_ptr<FDOCUMENT> doc = std::make_unique<FDOCUMENT>();
    FDESIGNVIEW view;
    ui::ViewHost host;

    Designer()
    {
        host.resize(kWidth, kHeight);
        host.SetView(&view);
        view.SetDocument(doc.get());
        host.show();
        QCoreApplication::processEvents();
        view.OnInitialUpdate();
        view.OnActivateView(true, &view, &view);
        view.SetZoom(100);
        FillPage(*doc, view);
        view.RepaintAll();
        view.UpdateWindow();
        QCoreApplication::processEvents();
    }
    ~Designer()
    {
        host.SetView(nullptr);
        view.SetDocument(nullptr);
    }
};

// The recorded primitives drawn with QPainter's own calls and nothing
// between them.
class PlainWidget : public QWidget {
public:
    explicit PlainWidget(std::vector<gdi::RecordedCall> calls)
        : calls(std::move(calls))
    {
        for (const gdi::RecordedCall& call : this->calls)
            texts.push_back(text::ToQString(call.text));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        for (size_t i = 0; i < calls.size(); ++i) {
            const gdi::RecordedCall& call = calls[i];
            const QColor brush = gdi::ToQColor(call.state.brush.colour);
            auto rect = [&call] {
                return QRect(
                    QPoint(call.points[0].x, call.points[0].y), QPoint(call.points[1].x - 1, call.points[1].y - 1));
            };
            if (call.name == "PatBlt" || call.name == "FillRegion") {
                painter.fillRect(rect(), brush);
            } else if (call.name == "Rectangle" || call.name == "RoundRect" || call.name == "Ellipse") {
                painter.setPen(gdi::ToQColor(call.state.pen.colour));
                painter.setBrush(brush);
                painter.drawRect(rect());
            } else if (call.name == "Polyline" || call.name == "Polygon") {
                painter.setPen(gdi::ToQColor(call.state.pen.colour));
                for (size_t p = 1; p < call.points.size(); ++p)
                    painter.drawLine(call.points[p - 1].x, call.points[p - 1].y, call.points[p].x, call.points[p].y);
            } else if (call.name == "TextOut") {
                QFont font(text::ToQString(call.font.FaceName()));
                font.setPixelSize(std::max(1, call.fontHeight));
                painter.setFont(font);
                painter.setPen(gdi::ToQColor(call.state.textColour));
                painter.drawText(QPoint(call.points[0].x, call.points[0].y + call.fontHeight), texts[i]);
            }
        }
    }

private:
    std::vector<gdi::RecordedCall> calls;
    std::vector<QString> texts;
};

// What the view draws for the whole window, on a recording surface.
std::vector<gdi::RecordedCall> RecordRepaint(Designer& designer)
{
    gdi::RecordingSurface surface(gdi::DeviceKind::Window, 96, 96, {kWidth, kHeight});
    gdi::DC dc(surface);
    designer.view.OnDraw(dc);
    return surface.Calls();
}

void RepaintView(benchmark::State& state)
{
    StartOffscreenWidgets();
    Designer designer;
    for (auto _ : state) {
        designer.view.RepaintAll();
        designer.view.UpdateWindow();
        QCoreApplication::processEvents();
    }
    state.counters["primitives"] = static_cast<double>(RecordRepaint(designer).size());
}
BENCHMARK(RepaintView)->Unit(benchmark::kMillisecond);

void RepaintPlainWidget(benchmark::State& state)
{
    StartOffscreenWidgets();
    std::vector<gdi::RecordedCall> calls;
    {
        Designer designer;
        calls = RecordRepaint(designer);
    }
    const double count = static_cast<double>(calls.size());
    PlainWidget widget(std::move(calls));
    widget.resize(kWidth, kHeight);
    widget.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        widget.update();
        QCoreApplication::processEvents();
    }
    state.counters["primitives"] = count;
}
BENCHMARK(RepaintPlainWidget)->Unit(benchmark::kMillisecond);

} // namespace
