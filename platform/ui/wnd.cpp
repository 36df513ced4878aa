#include "platform/ui/wnd.h"

#include "platform/ui/app.h"

#include <stdexcept>

namespace ui {

Wnd::~Wnd()
{
    if (App* app = App::Current())
        app->KillTimers(*this);
}

void Wnd::SetTimer(unsigned id, unsigned elapseMs)
{
    App* app = App::Current();
    if (!app)
        throw std::logic_error("SetTimer needs a running App");
    app->SetTimer(*this, id, elapseMs);
}

bool Wnd::KillTimer(unsigned id)
{
    App* app = App::Current();
    return app && app->KillTimer(*this, id);
}

void Wnd::OnTimer(unsigned)
{}

} // namespace ui
