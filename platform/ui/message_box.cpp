#include "platform/ui/message_box.h"

#include "platform/text/cp1252.h"
#include "platform/ui/app.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <utility>
#include <vector>

namespace ui {

namespace {

MessageBoxHook& Hook()
{
    static MessageBoxHook hook;
    return hook;
}

// The buttons of each box type, in order, with the answer that closing the
// box without a choice gives (0: the box cannot be closed that way).
struct BoxType {
    std::vector<int> buttons;
    int escape;
};

BoxType TypeOf(unsigned flags)
{
    switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{IDOK, IDCANCEL}, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {{IDABORT, IDRETRY, IDIGNORE}, 0};
    case MB_YESNOCANCEL:
        return {{IDYES, IDNO, IDCANCEL}, IDCANCEL};
    case MB_YESNO:
        return {{IDYES, IDNO}, 0};
    case MB_RETRYCANCEL:
        return {{IDRETRY, IDCANCEL}, IDCANCEL};
    default:
        return {{IDOK}, IDOK};
    }
}

QMessageBox::StandardButton StandardButtonOf(int answer)
{
    switch (answer) {
    case IDCANCEL:
        return QMessageBox::Cancel;
    case IDABORT:
        return QMessageBox::Abort;
    case IDRETRY:
        return QMessageBox::Retry;
    case IDIGNORE:
        return QMessageBox::Ignore;
    case IDYES:
        return QMessageBox::Yes;
    case IDNO:
        return QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon IconOf(unsigned flags)
{
    switch (flags & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

bool HasScreen()
{
    const QString platform = QGuiApplication::platformName();
    return platform != "offscreen" && platform != "minimal";
}

int ShowBox(const MessageBoxRequest& request)
{
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(IconOf(request.flags));
    box.setWindowTitle(
        request.caption.empty() ? QApplication::applicationDisplayName() : text::ToQString(request.caption));
    box.setText(text::ToQString(request.text));
    const BoxType type = TypeOf(request.flags);
    std::vector<std::pair<QAbstractButton*, int>> buttons;
    for (int answer : type.buttons)
        buttons.emplace_back(box.addButton(StandardButtonOf(answer)), answer);
    size_t defaultIndex = (request.flags & MB_DEFMASK) >> 8;
    if (defaultIndex < buttons.size())
        box.setDefaultButton(static_cast<QPushButton*>(buttons[defaultIndex].first));
    for (auto [button, answer] : buttons)
        if (answer == type.escape)
            box.setEscapeButton(button);
    box.exec();
    for (auto [button, answer] : buttons)
        if (box.clickedButton() == button)
            return answer;
    return type.escape != 0 ? type.escape : type.buttons.back();
}

} // namespace

bool IsMessageBoxAnswer(unsigned flags, int answer)
{
    const BoxType type = TypeOf(flags);
    return std::find(type.buttons.begin(), type.buttons.end(), answer) != type.buttons.end();
}

int MessageBox(std::string_view text, std::string_view caption, unsigned flags)
{
    MessageBoxRequest request {std::string(text), std::string(caption), flags};
    // A box without a caption of its own carries the program's title.
    if (request.caption.empty())
        if (App* app = App::Current())
            request.caption = app->AppName();
    if (MessageBoxHook hook = Hook()) {
        int answer = hook(request);
        if (!IsMessageBoxAnswer(flags, answer))
            throw UnansweredMessageBox("message box answered with " + std::to_string(answer)
                + ", not one of its buttons: " + text::ToUtf8(text));
        return answer;
    }
    if (!HasScreen())
        throw UnansweredMessageBox("message box with nobody to answer it: " + text::ToUtf8(text));
    return ShowBox(request);
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

ScopedMessageBoxHook::ScopedMessageBoxHook(MessageBoxHook hook)
    : previous_(SetMessageBoxHook(std::move(hook)))
{}

ScopedMessageBoxHook::~ScopedMessageBoxHook()
{
    SetMessageBoxHook(std::move(previous_));
}

} // namespace ui
