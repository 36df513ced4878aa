#include "platform/ui/app.h"

#include "platform/ui/app_style.h"
#include "platform/ui/command_bar.h"
#include "platform/ui/key_press_watch.h"
#include "platform/ui/wnd.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimerEvent>

#include <algorithm>
#include <map>
#include <optional>
#include <stdexcept>
#include <unordered_map>
#include <utility>
#include <vector>

namespace ui {

namespace {

App* current = nullptr;

const QEvent::Type postedCommandType = static_cast<QEvent::Type>(QEvent::registerEventType());

class PostedCommand : public QEvent {
public:
    PostedCommand(std::weak_ptr<CmdTarget*> target, unsigned id)
        : QEvent(postedCommandType)
        , target(std::move(target))
        , id(id)
    {}
    std::weak_ptr<CmdTarget*> target;
    unsigned id;
};

// Receives the posted commands and the timers of the App.
class Dispatcher : public QObject {
public:
    explicit Dispatcher(App& app)
        : app_(app)
    {}

    std::map<std::pair<Wnd*, unsigned>, int> timers;
    std::unordered_map<int, std::pair<Wnd*, unsigned>> byQtId;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() != postedCommandType)
            return QObject::event(e);
        auto* posted = static_cast<PostedCommand*>(e);
        if (auto target = posted->target.lock())
            app_.SendCommand(**target, posted->id);
        return true;
    }

    void timerEvent(QTimerEvent* e) override
    {
        auto it = byQtId.find(e->timerId());
        if (it == byQtId.end())
            return;
        auto [wnd, id] = it->second;
        wnd->OnTimer(id);
    }

private:
    App& app_;
};

} // namespace

struct App::Impl {
    explicit Impl(App& app)
        : dispatcher(app)
    {}
    Dispatcher dispatcher;
    KeyPressWatch keys;
    TargetPtr<CmdTarget> mainWnd;
    std::vector<CommandBar*> bars;
    bool inIdle = false;
    std::string appName;
    bool running = false;
    std::optional<int> pendingQuit;
};

App::App()
    : impl_(std::make_unique<Impl>(*this))
{
    if (!QApplication::instance())
        throw std::logic_error("ui::App needs a QApplication");
    if (current)
        throw std::logic_error("only one ui::App at a time");
    auto* eventDispatcher = QAbstractEventDispatcher::instance();
    if (!eventDispatcher)
        throw std::logic_error("ui::App needs the event dispatcher of this thread");
    current = this;
    AppStyle::Install();
    impl_->keys.Install();
    QObject::connect(eventDispatcher, &QAbstractEventDispatcher::aboutToBlock, &impl_->dispatcher, [this] { Idle(); });
}

App::~App()
{
    current = nullptr;
}

App* App::Current()
{
    return current;
}

int App::Run()
{
    if (auto code = std::exchange(impl_->pendingQuit, std::nullopt))
        return *code;
    impl_->running = true;
    int code = QApplication::exec();
    impl_->running = false;
    return code;
}

void App::Quit(int code)
{
    // Outside Run, Qt's exit would end every nested event loop started
    // meanwhile instead; the quit waits for Run.
    if (impl_->running)
        QApplication::exit(code);
    else
        impl_->pendingQuit = code;
}

void App::Idle()
{
    if (impl_->inIdle)
        return;
    impl_->inIdle = true;
    try {
        for (long count = 0; OnIdle(count); ++count) {
        }
    } catch (...) {
        impl_->inIdle = false;
        throw;
    }
    impl_->inIdle = false;
}

bool App::OnIdle(long count)
{
    if (count == 0) {
        // A copy: an update handler may create or destroy bars.
        std::vector<CommandBar*> bars = impl_->bars;
        for (CommandBar* bar : bars)
            if (std::find(impl_->bars.begin(), impl_->bars.end(), bar) != impl_->bars.end())
                bar->UpdateItems();
    }
    return false;
}

void App::SetAppName(std::string_view cp1252)
{
    impl_->appName = cp1252;
}

const std::string& App::AppName() const
{
    return impl_->appName;
}

void App::SetMainWnd(CmdTarget* target)
{
    impl_->mainWnd.reset(target);
}

CmdTarget* App::MainWnd() const
{
    return impl_->mainWnd.get();
}

bool App::SendCommand(CmdTarget& target, unsigned id)
{
    return target.ExecuteCommand(id);
}

void App::PostCommand(CmdTarget& target, unsigned id)
{
    QCoreApplication::postEvent(&impl_->dispatcher, new PostedCommand(target.Token(), id));
}

void App::SetTimer(Wnd& wnd, unsigned id, unsigned elapseMs)
{
    KillTimer(wnd, id);
    int qtId = impl_->dispatcher.startTimer(static_cast<int>(std::clamp(elapseMs, 10u, 0x7FFFFFFFu)));
    if (qtId == 0)
        throw std::runtime_error("no timer available");
    impl_->dispatcher.timers[{&wnd, id}] = qtId;
    impl_->dispatcher.byQtId[qtId] = {&wnd, id};
}

bool App::KillTimer(Wnd& wnd, unsigned id)
{
    auto& d = impl_->dispatcher;
    auto it = d.timers.find({&wnd, id});
    if (it == d.timers.end())
        return false;
    d.killTimer(it->second);
    d.byQtId.erase(it->second);
    d.timers.erase(it);
    return true;
}

void App::KillTimers(Wnd& wnd)
{
    auto& d = impl_->dispatcher;
    auto it = d.timers.lower_bound({&wnd, 0u});
    while (it != d.timers.end() && it->first.first == &wnd) {
        d.killTimer(it->second);
        d.byQtId.erase(it->second);
        it = d.timers.erase(it);
    }
}

void App::AddCommandBar(CommandBar& bar)
{
    impl_->bars.push_back(&bar);
}

void App::RemoveCommandBar(CommandBar& bar)
{
    std::erase(impl_->bars, &bar);
}

} // namespace ui
