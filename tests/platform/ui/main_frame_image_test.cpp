// Draws a main frame with a tool bar, a status bar and a child frame split
// in two, and writes it as a PNG for a person to look at.
#include "frame_fixture.h"
#include "tests/common/run_events.h"

#include "platform/ui/command_bar.h"
#include "platform/ui/splitter.h"
#include "platform/ui/status_bar.h"
#include "platform/ui/tool_bar.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QMdiArea>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

// Fills its window and writes its name and scroll position.
struct NamedView : ui::View {
    NamedView(QString name, QColor colour)
        : name(std::move(name))
        , colour(colour)
    {}
    bool OnEvent(QEvent& e) override
    {
        if (e.type() != QEvent::Paint)
            return false;
        QPainter painter(GetWindow());
        painter.fillRect(GetWindow()->rect(), colour);
        painter.drawText(GetWindow()->rect().adjusted(8, 8, 0, 0), Qt::AlignLeft | Qt::AlignTop,
            name + QString(" (line %1)").arg(line));
        return true;
    }
    void OnScroll(Qt::Orientation orientation, int position) override
    {
        if (orientation == Qt::Vertical)
            line = position;
    }
    QString name;
    QColor colour;
    int line = 0;
};

QImage ButtonStrip()
{
    QImage strip(48, 16, QImage::Format_RGB32);
    strip.fill(QColor(192, 192, 192));
    QPainter painter(&strip);
    const QColor colours[] = {Qt::darkBlue, Qt::darkGreen, Qt::darkRed};
    for (int i = 0; i < 3; ++i)
        painter.fillRect(i * 16 + 3, 3, 10, 10, colours[i]);
    return strip;
}

TEST(MainFrameImage, ToolBarStatusBarAndASplitChildFrame)
{
    FrameFixture f;
    QMainWindow& window = *f.main.GetWindow();
    window.resize(640, 480);

    ui::CommandBar commands(f.main);
    f.main.AddCommandRange(57600, 57603, [](unsigned) {});
    auto* bar = new QToolBar("Standard", &window);
    std::vector<QIcon> icons = ui::CutImageStrip(ButtonStrip(), 16, QColor(192, 192, 192));
    ui::FillToolBar(*bar,
        {{57600, "New", icons[0]}, {57601, "Open", icons[1]}, {0, "", {}}, {57603, "Save", icons[2]}, {0, "", {}}},
        commands);
    auto* zoom = new QComboBox;
    zoom->addItem("100%");
    ui::SetSeparatorWidget(*bar, 4, zoom);
    window.addToolBar(Qt::TopToolBarArea, bar);

    auto* status = new ui::StatusBar;
    status->SetPanes({{32836, 125, "Pos (x,y) : 1,2"}, {32840, 125, "Size (w,h) : 3,4"}, {32834, 75, "Page 1 of 2"}});
    window.setStatusBar(status);

    ui::Document* doc = f.NewDocument("Invoice");
    auto frame = std::make_unique<ui::Frame>();
    ui::Frame* child = f.main.AddChild(std::move(frame));
    auto* splitter = new ui::Splitter(*child, std::make_unique<NamedView>("upper pane", QColor(255, 255, 224)));
    splitter->SetViewFactory(
        [](ui::View&) { return std::make_unique<NamedView>("lower pane", QColor(224, 240, 255)); });
    splitter->GetPane(0, 0)->SetDocument(doc);
    child->SetClient(splitter);
    child->OnUpdateFrameTitle();
    child->GetWindow()->parentWidget()->setGeometry(10, 10, 560, 330);
    RunEventsFor(20);
    ASSERT_TRUE(splitter->SplitRow(120));
    splitter->GetScrollBar(Qt::Vertical, 1)->setRange(0, 100);
    splitter->GetScrollBar(Qt::Vertical, 1)->setValue(40);
    RunEventsFor(20);
    EXPECT_TRUE(splitter->GetPaneWindow(1, 0)->isVisible());

    QImage image = window.grab().toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), window.size() * image.devicePixelRatio());
    QDir().mkpath(FORMS_TEST_OUTPUT_DIR "/ui");
    EXPECT_TRUE(image.save(FORMS_TEST_OUTPUT_DIR "/ui/main_frame.png"));
    EXPECT_EQ(static_cast<NamedView*>(splitter->GetPane(1, 0))->line, 40);
    EXPECT_EQ(static_cast<NamedView*>(splitter->GetPane(0, 0))->line, 0);
}

} // namespace
