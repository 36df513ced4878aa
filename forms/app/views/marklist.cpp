#include "forms/app/views/marklist.h"

#include "forms/model/formobj.h"
#include "forms/model/viewdc.h"

#include <algorithm>

bool MARKLIST::Contains(const FORMOBJ* object) const
{
    return std::find(objects.begin(), objects.end(), object) != objects.end();
}

int MARKLIST::Add(FORMOBJ* object)
{
    objects.insert(objects.begin(), object);
    return 1;
}

int MARKLIST::Remove(FORMOBJ* object)
{
    const auto at = std::find(objects.begin(), objects.end(), object);
    if (at == objects.end())
        return 0;
    const int index = static_cast<int>(at - objects.begin());
    objects.erase(at);
    return index;
}

int MARKLIST::Set(FORMOBJ* object, VIEWDC* dc, bool mark, bool highlight)
{
    const bool marked = Contains(object);
    if (marked == mark)
        return 1;
    if (!mark) {
        if (highlight && dc)
            InvertObject(*dc, object);
        Remove(object);
        return 0;
    }
    if (!Add(object))
        return 0;
    if (highlight && dc)
        InvertObject(*dc, object);
    return 1;
}

int MARKLIST::Toggle(VIEWDC& dc, FORMOBJ* object)
{
    if (Contains(object)) {
        InvertObject(dc, object);
        Remove(object);
        return 1;
    }
    if (!Add(object))
        return 0;
    InvertObject(dc, object);
    return 1;
}

void MARKLIST::HighlightPage(VIEWDC& dc, uint16_t page)
{
    for (FORMOBJ* object : objects)
        if (object->GetPage() == page)
            InvertObject(dc, object);
}

void MARKLIST::Clear(VIEWDC& dc)
{
    for (FORMOBJ* object : objects)
        InvertObject(dc, object);
    objects.clear();
}

void MARKLIST::InvertObject(VIEWDC& dc, FORMOBJ* object)
{
    if (!dc.dc)
        return;
    RECT r;
    object->GetRect(r);
    POINT corners[2] = {{r.left - dc.originX, r.top - dc.originY}, {r.right - dc.originX, r.bottom - dc.originY}};
    dc.LPtoDP(corners, 2);
    gdi::DC& device = *dc.dc;
    device.SaveDC();
    device.SetMapMode(gdi::MM_TEXT);
    device.SetWindowOrg(0, 0);
    device.SetViewportOrg(0, 0);
    device.PatBlt(corners[0].x, corners[0].y, corners[1].x - corners[0].x, corners[1].y - corners[0].y, gdi::DSTINVERT);
    device.RestoreDC(-1);
}
