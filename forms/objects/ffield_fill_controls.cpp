// What a field being filled shows besides its editor: its help pop-up.
#include "forms/objects/ffield.h"

#include "forms/model/fill_patterns.h"

#include "platform/ui/help_popup.h"

namespace {

// The pattern the help pop-up's shadow is painted with.
constexpr uint32_t kHelpShadowBitmapId = 138;

QBrush HelpShadowBrush()
{
    const gdi::Bitmap& bitmap = SharedFillPatterns().bitmaps[kHelpShadowBitmapId - kFirstPatternBitmapId];
    return QBrush(bitmap.ToImage(gdi::RGB(0, 0, 0), gdi::RGB(0xFF, 0xFF, 0xFF)));
}

} // namespace

void FFIELD::ShowHelpPopup(QWidget* owner, const RECT& rect)
{
    auto* popup = new ui::HelpPopup(owner, strHelp, HelpShadowBrush());
    popup->Show({rect.left, rect.top, rect.right, rect.bottom});
}
