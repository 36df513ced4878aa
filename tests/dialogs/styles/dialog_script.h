// Drives the dialogs that a style command opens: each dialog that opens
// takes the next step of the script; message boxes are answered OK and
// their texts kept; a missing resource throws.
#pragma once

#include "platform/res/missing_handler.h"
#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/message_box.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class Script {
public:
    Script()
        : hook([this](ui::Dialog& dialog) {
            ASSERT_FALSE(steps.empty()) << "an unexpected dialog " << dialog.GetId();
            auto step = std::move(steps.front());
            steps.pop_front();
            step(dialog);
        })
        , boxes([this](const ui::MessageBoxRequest& request) {
            messages.push_back(request.text);
            return ui::IDOK;
        })
    {}
    void Then(std::function<void(ui::Dialog&)> step) { steps.push_back(std::move(step)); }

    std::deque<std::function<void(ui::Dialog&)>> steps;
    std::vector<std::string> messages;

private:
    res::ScopedMissingHandler missing {res::ThrowMissing};
    ui::ScopedDialogHook hook;
    ui::ScopedMessageBoxHook boxes;
};
