#include "platform/ui/dialog/dialog_font.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/font_face.h"
#include "platform/gdi/image_surface.h"
#include "platform/gdi/muldiv.h"
#include "platform/text/cp1252.h"

namespace ui {

namespace {

constexpr int kScreenDpi = 96;

} // namespace

std::string MapDialogFace(std::string_view face)
{
    // fontconfig alone would pick the wider DejaVu Sans for these names.
    if (text::EqualNoCase(face, "MS Sans Serif") || text::EqualNoCase(face, "MS Shell Dlg")
        || text::EqualNoCase(face, "MS Shell Dlg 2"))
        return "Liberation Sans";
    return std::string(face);
}

gdi::LOGFONT DialogLogFont(int points, std::string_view face)
{
    gdi::LOGFONT font;
    font.lfHeight = -gdi::MulDiv(points, kScreenDpi, 72);
    font.lfWeight = gdi::FW_NORMAL;
    font.lfPitchAndFamily = gdi::VARIABLE_PITCH | gdi::FF_SWISS;
    font.SetFaceName(MapDialogFace(face));
    return font;
}

QFont DialogQFont(int points, std::string_view face)
{
    const gdi::LOGFONT font = DialogLogFont(points, face);
    return gdi::MakeQFont(font, -font.lfHeight);
}

DialogBaseUnits BaseUnitsOf(const gdi::LOGFONT& font)
{
    gdi::ImageSurface surface(1, 1, kScreenDpi);
    gdi::DC dc(surface);
    dc.SelectObject(gdi::Font(font));
    gdi::TEXTMETRIC metrics;
    dc.GetTextMetrics(metrics);
    const gdi::SIZE letters = dc.GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {(letters.cx / 26 + 1) / 2, metrics.tmHeight};
}

gdi::RECT MapDialogRect(int x, int y, int width, int height, DialogBaseUnits base)
{
    const int left = gdi::MulDiv(x, base.x, 4);
    const int top = gdi::MulDiv(y, base.y, 8);
    return {left, top, left + gdi::MulDiv(width, base.x, 4), top + gdi::MulDiv(height, base.y, 8)};
}

} // namespace ui
