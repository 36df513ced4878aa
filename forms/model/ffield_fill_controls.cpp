// What a field being filled shows besides its editor: the drop-down list it
// hands the editor, and its help pop-up.
#include "forms/model/ffield.h"

#include "forms/fields/editor/texteditwnd.h"
#include "forms/model/fill_patterns.h"

#include "platform/ui/help_popup.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace {

// The pattern the help pop-up's shadow is painted with.
constexpr uint32_t kHelpShadowBitmapId = 138;

QBrush HelpShadowBrush()
{
    const gdi::Bitmap& bitmap = SharedFillPatterns().bitmaps[kHelpShadowBitmapId - kFirstPatternBitmapId];
    return QBrush(bitmap.ToImage(gdi::RGB(0, 0, 0), gdi::RGB(0xFF, 0xFF, 0xFF)));
}

} // namespace

void FFIELD::GiveDropList(TEXTEDITWND& editor, const FIELDDROPLIST& list, bool openNow)
{
    DROPLISTDESC desc;
    desc.listRect = list.list;
    desc.buttonRect = list.button;
    desc.valuesOnly = list.permitOthers ? 0 : 1;
    desc.source = list.source;
    editor.OpenDropList(desc);
    // A click on the drop button opens the list at once, as the button's
    // own click does.
    DROP_BUTTON* button = openNow ? editor.GetDropButton() : nullptr;
    QWidget* widget = button ? button->GetWidget() : nullptr;
    if (!widget)
        return;
    const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent press(
        QEvent::MouseButtonPress, centre, widget->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(
        QEvent::MouseButtonRelease, centre, widget->mapToGlobal(centre), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

void FFIELD::ShowHelpPopup(QWidget* owner, const RECT& rect)
{
    auto* popup = new ui::HelpPopup(owner, strHelp, HelpShadowBrush());
    popup->Show({rect.left, rect.top, rect.right, rect.bottom});
}
