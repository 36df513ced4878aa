#include "platform/ui/status_bar.h"

#include "platform/text/cp1252.h"
#include "platform/ui/command_bar.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

#include <algorithm>

namespace ui {

StatusBar::StatusBar(QWidget* parent)
    : QStatusBar(parent)
    , message_(new QLabel(this))
{
    setSizeGripEnabled(false);
    message_->setMinimumWidth(0);
    message_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(message_, 1);
    ShowPrompt(0);
}

void StatusBar::SetPanes(const std::vector<StatusPane>& panes)
{
    for (auto& [id, label] : panes_) {
        removeWidget(label);
        delete label;
    }
    panes_.clear();
    for (const StatusPane& pane : panes) {
        auto* label = new QLabel(text::ToQString(pane.text), this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setFixedWidth(std::max(pane.width, pane.widest.empty() ? 0 : PaneWidthFor(pane.widest)));
        addPermanentWidget(label);
        panes_.emplace_back(pane.id, label);
    }
}

int StatusBar::PaneWidthFor(std::string_view cp1252) const
{
    QLabel probe;
    probe.setFont(font());
    probe.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    const QMargins margins = probe.contentsMargins();
    // A few pixels beyond the text, as the label's own indent leaves.
    return probe.fontMetrics().horizontalAdvance(text::ToQString(cp1252)) + margins.left() + margins.right()
        + 2 * probe.fontMetrics().horizontalAdvance(QLatin1Char('x'));
}

QLabel* StatusBar::GetPane(unsigned id) const
{
    for (const auto& [paneId, label] : panes_)
        if (paneId == id)
            return label;
    return nullptr;
}

bool StatusBar::SetPaneText(unsigned id, std::string_view cp1252)
{
    QLabel* label = GetPane(id);
    if (label)
        label->setText(text::ToQString(cp1252));
    return label != nullptr;
}

std::string StatusBar::GetPaneText(unsigned id) const
{
    QLabel* label = GetPane(id);
    return label ? text::FromQString(label->text()) : std::string();
}

void StatusBar::SetMessageText(std::string_view cp1252)
{
    message_->setText(text::ToQString(cp1252));
}

std::string StatusBar::GetMessageText() const
{
    return text::FromQString(message_->text());
}

void StatusBar::SetIdleMessage(std::string_view cp1252)
{
    idle_ = cp1252;
    ShowPrompt(0);
}

void StatusBar::ShowPrompt(unsigned id)
{
    std::string prompt = id && prompts_ ? prompts_(id) : std::string();
    prompt = prompt.substr(0, prompt.find('\n'));
    SetMessageText(prompt.empty() ? idle_ : prompt);
}

void StatusBar::ShowPromptsOf(QMenu& menu)
{
    connect(&menu, &QMenu::hovered, this, [this](QAction* action) { ShowPrompt(CommandBar::CommandId(*action)); });
    connect(&menu, &QMenu::aboutToHide, this, [this] { ShowPrompt(0); });
    for (QAction* action : menu.actions())
        if (QMenu* popup = action->menu())
            ShowPromptsOf(*popup);
}

} // namespace ui
