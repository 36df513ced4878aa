#include "platform/ui/dialog/dialog_hook.h"

#include <QGuiApplication>

#include <utility>

namespace ui {

namespace {

DialogHook& Hook()
{
    static DialogHook hook;
    return hook;
}

} // namespace

DialogHook SetDialogHook(DialogHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

const DialogHook& GetDialogHook()
{
    return Hook();
}

ScopedDialogHook::ScopedDialogHook(DialogHook hook)
    : previous_(SetDialogHook(std::move(hook)))
{}

ScopedDialogHook::~ScopedDialogHook()
{
    SetDialogHook(std::move(previous_));
}

bool PlatformHasScreen()
{
    const QString platform = QGuiApplication::platformName();
    return platform != "offscreen" && platform != "minimal";
}

} // namespace ui
