// The status bar of a main frame: the message pane, which takes the rest of
// the bar and shows the prompt of the command under the mouse or an idle
// message, followed by panes of fixed widths, each known by its id.
#pragma once

#include <QStatusBar>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QMenu;

namespace ui {

struct StatusPane {
    unsigned id;
    int width; // pixels
    std::string text; // Windows-1252
    // The widest text the pane must show whole (Windows-1252): the pane is
    // as wide as that needs in the bar's font when more than width.
    std::string widest = {};
};

class StatusBar : public QStatusBar {
public:
    // The prompt of a command (Windows-1252); only the text before the
    // first "\n" is shown. Empty: no prompt.
    using PromptSource = std::function<std::string(unsigned id)>;

    explicit StatusBar(QWidget* parent = nullptr);

    // Replaces the panes after the message pane.
    void SetPanes(const std::vector<StatusPane>& panes);
    // False when no pane has the id.
    bool SetPaneText(unsigned id, std::string_view cp1252);
    std::string GetPaneText(unsigned id) const;
    QLabel* GetPane(unsigned id) const;
    // The width a pane needs to show the text whole, frame included.
    int PaneWidthFor(std::string_view cp1252) const;

    void SetMessageText(std::string_view cp1252);
    std::string GetMessageText() const;

    // The message shown when there is no prompt ("Ready" unless set).
    void SetIdleMessage(std::string_view cp1252);
    void SetPromptSource(PromptSource source) { prompts_ = std::move(source); }
    // Shows the command's prompt, or the idle message when it has none
    // (id 0 included).
    void ShowPrompt(unsigned id);
    // Shows the prompts of the menu's items (its popups' too) as the mouse
    // goes over them, and the idle message once the menu closes.
    void ShowPromptsOf(QMenu& menu);

private:
    QLabel* message_;
    std::vector<std::pair<unsigned, QLabel*>> panes_;
    std::string idle_ = "Ready";
    PromptSource prompts_;
};

} // namespace ui
