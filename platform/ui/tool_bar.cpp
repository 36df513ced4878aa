#include "platform/ui/tool_bar.h"

#include "platform/text/cp1252.h"
#include "platform/ui/command_bar.h"

#include <QAction>
#include <QChildEvent>
#include <QImage>
#include <QPixmap>
#include <QToolBar>

#include <stdexcept>

namespace ui {

namespace {

// Eats the tool tip events of a bar's children while tool tips are off.
class ToolTipFilter : public QObject {
public:
    explicit ToolTipFilter(QToolBar& bar)
        : QObject(&bar)
    {
        setObjectName(name);
        bar.installEventFilter(this);
        for (QWidget* child : bar.findChildren<QWidget*>())
            child->installEventFilter(this);
    }
    static constexpr const char* name = "ui_tool_tip_filter";
    bool show = true;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::ChildAdded)
            if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(e)->child()))
                child->installEventFilter(this);
        return e->type() == QEvent::ToolTip && !show ? true : QObject::eventFilter(watched, e);
    }
};

} // namespace

void FillToolBar(QToolBar& bar, const std::vector<ToolButton>& buttons, CommandBar& commands)
{
    for (const ToolButton& button : buttons) {
        if (button.id == 0) {
            bar.addSeparator();
            continue;
        }
        QAction* action = bar.addAction(button.icon, text::ToQString(button.text));
        commands.Bind(action, button.id);
    }
}

std::vector<QIcon> CutImageStrip(const QImage& strip, int buttonWidth, std::optional<QColor> transparent)
{
    if (buttonWidth <= 0 || strip.isNull() || strip.width() % buttonWidth != 0)
        throw std::invalid_argument("the image strip is not a whole number of buttons wide");
    QImage image = strip.convertToFormat(QImage::Format_ARGB32);
    if (transparent) {
        const QRgb key = transparent->rgb();
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF))
                    line[x] = 0;
        }
    }
    std::vector<QIcon> icons;
    for (int x = 0; x < image.width(); x += buttonWidth)
        icons.emplace_back(QPixmap::fromImage(image.copy(x, 0, buttonWidth, image.height())));
    return icons;
}

QAction* SetSeparatorWidget(QToolBar& bar, int index, QWidget* widget)
{
    const QList<QAction*> actions = bar.actions();
    if (index < 0 || index >= actions.size() || !actions[index]->isSeparator())
        throw std::invalid_argument("a tool bar widget must take a separator's place");
    QAction* separator = actions[index];
    QAction* action = bar.insertWidget(separator, widget);
    bar.removeAction(separator);
    delete separator;
    return action;
}

void ShowToolTips(QToolBar& bar, bool show)
{
    auto* filter = bar.findChild<ToolTipFilter*>(ToolTipFilter::name, Qt::FindDirectChildrenOnly);
    if (!filter)
        filter = new ToolTipFilter(bar);
    filter->show = show;
}

} // namespace ui
