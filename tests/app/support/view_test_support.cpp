#include "tests/app/support/view_test_support.h"

#include "forms/document/document_fonts.h"
#include "forms/model/formobj.h"
#include "forms/model/object_factory.h"
#include "forms/objects/form_objects.h"

ProgramWideParts::ProgramWideParts()
{
    printers.Reset();
    SetProgramFontTable(&fonts);
    SetPrinterList(&printers);
    SetProgramFonts(&DocumentFonts());
    SetFontCache(&fontCache);
    SetFontMetricsCache(&metricsCache);
    RegisterFormObjects();
}

ProgramWideParts::~ProgramWideParts()
{
    SetFontMetricsCache(nullptr);
    SetFontCache(nullptr);
    SetProgramFonts(nullptr);
    SetProgramFontTable(nullptr);
    SetPrinterList(nullptr);
}

std::unique_ptr<FDOCUMENT> MakeTwoPageForm()
{
    auto doc = std::make_unique<FDOCUMENT>();
    doc->AppendPage();
    struct Placed {
        uint8_t type;
        uint16_t page;
        RECT rect;
    };
    const Placed shapes[] = {{kTypeBox, 1, {1440, 1440, 2880, 2880}}, {kTypeEllipse, 1, {4320, 1440, 7200, 2880}},
        {kTypeLine, 2, {1440, 1440, 4320, 4320}}};
    for (const Placed& p : shapes) {
        std::unique_ptr<FORMOBJ> object = doc->GetObjects().CreateObject(p.type);
        object->SetRect(p.rect.left, p.rect.top, p.rect.right, p.rect.bottom);
        doc->GetObjects().SetObjectPage(std::move(object), p.page);
    }
    return doc;
}

RecordingView::RecordingView(int width, int height)
    : surface(gdi::DeviceKind::Window, 96, 96, {width, height})
    , client {0, 0, width, height}
{}
