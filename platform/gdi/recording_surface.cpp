#include "platform/gdi/recording_surface.h"

#include "platform/text/cp1252.h"

#include <cstdio>

namespace gdi {

namespace {

std::string Hex(uint32_t v, int digits)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*X", digits, v);
    return buffer;
}

// Colours are written RRGGBB.
std::string Colour(COLORREF c)
{
    return Hex((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c), 6);
}

std::string PenText(const Pen& pen)
{
    switch (pen.style) {
    case PS_NULL:
        return "null";
    case PS_DOT:
        return "dot/" + std::to_string(pen.width) + "/" + Colour(pen.colour);
    case PS_INSIDEFRAME:
        return "insideframe/" + std::to_string(pen.width) + "/" + Colour(pen.colour);
    default:
        return "solid/" + std::to_string(pen.width) + "/" + Colour(pen.colour);
    }
}

std::string BrushText(const Brush& brush)
{
    switch (brush.style) {
    case BS_NULL:
        return "null";
    case BS_HATCHED:
        return "hatch" + std::to_string(brush.hatch) + "/" + Colour(brush.colour);
    case BS_PATTERN: {
        std::string bits;
        for (int y = 0; y < 8; ++y) {
            unsigned row = 0;
            for (int x = 0; x < 8; ++x)
                row = (row << 1) | (brush.pattern.Bit(x, y) ? 1 : 0);
            bits += Hex(row, 2);
        }
        return "pattern/" + bits;
    }
    default:
        return "solid/" + Colour(brush.colour);
    }
}

} // namespace

std::string RecordedCall::ToString() const
{
    std::string line = name;
    for (const POINT& p : points)
        line += " (" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    for (int v : values)
        line += " " + std::to_string(v);
    if (name == "TextOut") {
        line += " \"" + text::ToUtf8(text) + "\" font=" + text::ToUtf8(font.FaceName()) + "/"
            + std::to_string(fontHeight) + "/" + std::to_string(font.lfWeight) + "/" + std::to_string(font.lfItalic)
            + "/" + std::to_string(font.lfEscapement) + " text=" + Colour(state.textColour);
        if (!positions.empty()) {
            line += " at=";
            for (size_t i = 0; i < positions.size(); ++i)
                line += (i ? "," : "") + std::to_string(positions[i]);
        }
    } else {
        line += " pen=" + PenText(state.pen) + " brush=" + BrushText(state.brush)
            + " rop2=" + std::to_string(state.rop2);
    }
    line += " bk=" + Colour(state.bkColour) + (state.bkMode == OPAQUE ? "/opaque" : "/transparent");
    if (state.clip) {
        RECT box;
        state.clip->GetBox(box);
        line += " clip=" + std::to_string(box.left) + "," + std::to_string(box.top) + "," + std::to_string(box.right)
            + "," + std::to_string(box.bottom);
    }
    return line;
}

RecordingSurface::RecordingSurface(DeviceKind kind, int dpiX, int dpiY, SIZE pixelSize, POINT physicalOffset)
    : kind_(kind)
    , dpiX_(dpiX)
    , dpiY_(dpiY)
    , size_(pixelSize)
    , offset_(physicalOffset)
{}

std::vector<std::string> RecordingSurface::Lines() const
{
    std::vector<std::string> lines;
    for (const RecordedCall& call : calls_)
        lines.push_back(call.ToString());
    return lines;
}

RecordedCall& RecordingSurface::Add(std::string name, const DrawState& s)
{
    RecordedCall& call = calls_.emplace_back();
    call.name = std::move(name);
    call.state = s;
    return call;
}

void RecordingSurface::Rectangle(const DrawState& s, const RECT& r)
{
    Add("Rectangle", s).points = {{r.left, r.top}, {r.right, r.bottom}};
}

void RecordingSurface::RoundRect(const DrawState& s, const RECT& r, int ellipseWidth, int ellipseHeight)
{
    RecordedCall& call = Add("RoundRect", s);
    call.points = {{r.left, r.top}, {r.right, r.bottom}};
    call.values = {ellipseWidth, ellipseHeight};
}

void RecordingSurface::Ellipse(const DrawState& s, const RECT& r)
{
    Add("Ellipse", s).points = {{r.left, r.top}, {r.right, r.bottom}};
}

void RecordingSurface::Polygon(const DrawState& s, const std::vector<POINT>& points)
{
    RecordedCall& call = Add("Polygon", s);
    call.points = points;
    call.values = {s.polyFillMode};
}

void RecordingSurface::Polyline(const DrawState& s, const std::vector<POINT>& points)
{
    Add("Polyline", s).points = points;
}

void RecordingSurface::PatBlt(const DrawState& s, const RECT& r, uint32_t rop)
{
    RecordedCall& call = Add("PatBlt", s);
    call.points = {{r.left, r.top}, {r.right, r.bottom}};
    call.values = {static_cast<int>(rop)};
}

void RecordingSurface::FillRegion(const DrawState& s, const Region& region)
{
    RecordedCall& call = Add("FillRegion", s);
    // An outline is logged within the device and as much again around it:
    // the part that can matter, at a cost no shape size can raise.
    const RECT around {-size_.cx, -size_.cy, 2 * size_.cx, 2 * size_.cy};
    for (const RECT& r : region.Rects(around)) {
        call.points.push_back({r.left, r.top});
        call.points.push_back({r.right, r.bottom});
    }
}

void RecordingSurface::FocusRect(const DrawState& s, const RECT& r)
{
    Add("FocusRect", s).points = {{r.left, r.top}, {r.right, r.bottom}};
}

void RecordingSurface::StretchBlt(
    const DrawState& s, const RECT& dest, const Bitmap& source, const RECT& src, uint32_t rop)
{
    RecordedCall& call = Add("StretchBlt", s);
    call.points = {{dest.left, dest.top}, {dest.right, dest.bottom}};
    call.values = {src.left, src.top, src.right, src.bottom, source.IsMonochrome() ? 1 : 0, static_cast<int>(rop)};
}

void RecordingSurface::TextOut(const DrawState& s, const TextRun& run)
{
    RecordedCall& call = Add("TextOut", s);
    call.points = {run.origin};
    call.text = run.text;
    call.font = run.logfont;
    call.fontHeight = run.deviceHeight;
    call.positions = run.positions;
}

bool RecordingSurface::NewPage()
{
    Add("NewPage", DrawState {});
    return true;
}

bool RecordingSurface::EndDoc()
{
    Add("EndDoc", DrawState {});
    return true;
}

void RecordingSurface::AbortDoc()
{
    Add("AbortDoc", DrawState {});
}

void RecordingSurface::ResetDC(const DevMode& mode)
{
    Add("ResetDC", DrawState {}).values = {mode.orientation, mode.paperSize, mode.paperLength, mode.paperWidth};
}

} // namespace gdi
