#include "platform/ui/document.h"
#include "platform/ui/view.h"
#include "platform/ui/view_host.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct LoggingView : ui::View {
    LoggingView(std::string name, std::vector<std::string>& log)
        : name(std::move(name))
        , log(log)
    {}
    bool OnEvent(QEvent& e) override
    {
        if (e.type() != QEvent::MouseButtonPress && e.type() != QEvent::Resize)
            return false;
        log.push_back(name + (e.type() == QEvent::Resize ? " resize" : " press"));
        return e.type() == QEvent::MouseButtonPress;
    }
    std::string name;
    std::vector<std::string>& log;
};

void Click(QWidget& w)
{
    QMouseEvent press(
        QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &press);
}

TEST(ViewHost, EventsGoToTheCurrentViewAndTheWindowSurvivesASwitch)
{
    std::vector<std::string> log;
    ui::Document doc;
    LoggingView design("design", log), fill("fill", log);
    design.SetDocument(&doc);
    fill.SetDocument(&doc);
    ui::ViewHost host;
    host.resize(100, 80);
    auto* scroll = new QScrollBar(&host);

    EXPECT_EQ(host.SetView(&design), nullptr);
    EXPECT_EQ(design.GetWindow(), &host);
    Click(host);
    EXPECT_EQ(host.SetView(&fill), &design);
    EXPECT_EQ(design.GetWindow(), nullptr);
    EXPECT_EQ(fill.GetWindow(), &host);
    Click(host);
    QResizeEvent resize(QSize(120, 90), QSize(100, 80));
    QCoreApplication::sendEvent(&host, &resize);

    EXPECT_EQ(log, (std::vector<std::string> {"design press", "fill press", "fill resize"}));
    EXPECT_EQ(scroll->parent(), &host);
    EXPECT_EQ(host.size(), QSize(100, 80));
    EXPECT_EQ(doc.Views().size(), 2u);
}

TEST(ViewHost, AViewLivesInOneWindowAtATime)
{
    std::vector<std::string> log;
    LoggingView view("v", log);
    ui::ViewHost first, second;
    first.SetView(&view);
    second.SetView(&view);
    EXPECT_EQ(first.CurrentView(), nullptr);
    EXPECT_EQ(second.CurrentView(), &view);
    Click(first);
    EXPECT_TRUE(log.empty());
}

TEST(ViewHost, EitherSideMayGoFirst)
{
    std::vector<std::string> log;
    ui::ViewHost host;
    auto view = std::make_unique<LoggingView>("v", log);
    host.SetView(view.get());
    view.reset();
    EXPECT_EQ(host.CurrentView(), nullptr);
    Click(host);

    LoggingView survivor("s", log);
    {
        ui::ViewHost shortLived;
        shortLived.SetView(&survivor);
    }
    EXPECT_EQ(survivor.GetWindow(), nullptr);
    EXPECT_TRUE(log.empty());
}

} // namespace
