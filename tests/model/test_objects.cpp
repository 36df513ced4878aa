// The test kinds, a view and a document that the model calls.
#include "tests/model/test_objects.h"

#include "forms/model/object_factory.h"
#include "forms/model/viewdc.h"

TestLog& TestLog::Get()
{
    static TestLog log;
    return log;
}

int g_twipsPerDevice = 1;

std::unique_ptr<gdi::DC> FakeView::GetWindowDC()
{
    ++windowDCsFetched;
    if (!hasWindow)
        return nullptr;
    return std::make_unique<gdi::DC>(surface);
}

int FakeView::SetupDC(VIEWDC& dc, gdi::DC* device)
{
    if (!dc.dc)
        dc.dc = device;
    dc.SetMapMode(gdi::MM_ANISOTROPIC);
    dc.SetWindowExt(g_twipsPerDevice, g_twipsPerDevice);
    dc.SetViewportExt(1, 1);
    dc.originX = originX;
    dc.originY = originY;
    dc.pageWidth = pageWidth;
    dc.pageHeight = pageHeight;
    dc.outputMode = kOutputDesign;
    dc.deviceKind = kDeviceWindow;
    return 1;
}

int FakeView::SetupOwnDC(VIEWDC& dc)
{
    return SetupDC(dc, sharedDC.get());
}

void FakeView::ToDeviceRect(RECT& r)
{
    VIEWDC dc(this);
    SetupOwnDC(dc);
    POINT pts[2] = {{r.left - originX, r.top - originY}, {r.right - originX, r.bottom - originY}};
    dc.LPtoDP(pts, 2);
    r = {pts[0].x, pts[0].y, pts[1].x, pts[1].y};
}

void TestBox::Save(RECORDARCHIVE& ar, uint8_t)
{
    ar.WriteTag(type);
    FORMOBJ::Save(ar, kBaseGroupTag);
    if (hasBorder) {
        ar.BeginRecord();
        ar.PutU16(border.width);
        ar.EndRecord(0x90);
    }
    ar.WriteTag(kEndGroup);
}

void TestBox::Load(RECORDARCHIVE& ar, uintptr_t owner)
{
    for (;;) {
        uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup)
            return;
        if (tag == kBaseGroupTag) {
            FORMOBJ::Load(ar, owner);
        } else if (tag == 0x90) {
            hasBorder = true;
            border.width = ar.ReadRecord().U16(border.width);
        } else {
            ar.SkipRecord(tag);
        }
    }
}

int TestBox::GetBorder(BORDER* out)
{
    if (GetMaster())
        return GetMaster()->GetBorder(out);
    if (hasBorder && out)
        *out = border;
    return hasBorder ? 1 : 0;
}

void TestBox::SetBorder(const BORDER& b)
{
    if (GetMaster())
        DetachFromMaster();
    hasBorder = true;
    border = b;
}

int TestBox::GetShadow(SHADOW* out)
{
    if (hasShadow && out)
        *out = shadow;
    return hasShadow ? 1 : 0;
}

int TestBox::IsSelected(FORMOBJ** out)
{
    if (selectedPart) {
        if (out)
            *out = selectedPart;
        return 1;
    }
    return FORMOBJ::IsSelected(out);
}

std::unique_ptr<FORMOBJ> TestBox::Clone() const
{
    auto copy = std::make_unique<TestBox>(type, label + " copy");
    copy->CopyFrom(*this);
    copy->hasBorder = hasBorder;
    copy->border = border;
    return copy;
}

void TestGroup::Save(RECORDARCHIVE& ar, uint8_t)
{
    ar.WriteTag(kTypeGroup);
    FORMOBJ::Save(ar, kBaseGroupTag);
    members.Save(ar, 0x29, 0);
    ar.WriteTag(kEndGroup);
}

void TestGroup::Load(RECORDARCHIVE& ar, uintptr_t owner)
{
    for (;;) {
        uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup)
            return;
        if (tag == kBaseGroupTag)
            FORMOBJ::Load(ar, owner);
        else if (tag == 0x29)
            members.Load(ar, owner);
        else
            ar.SkipRecord(tag);
    }
}

TestKinds::TestKinds()
{
    RegisterObjectClass(kTypeBox, [] { return std::unique_ptr<FORMOBJ>(new TestBox(kTypeBox, "loaded")); });
    RegisterObjectClass(kTypeGroup, [] { return std::unique_ptr<FORMOBJ>(new TestGroup); });
}

TestKinds::~TestKinds()
{
    UnregisterObjectClass(kTypeBox);
    UnregisterObjectClass(kTypeGroup);
}
