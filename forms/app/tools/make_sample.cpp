// Writes the sample form that the run script opens: two pages of shapes,
// each with its own border and fill, a page of text objects, a page of
// fields, a page of calculated fields, each field labelled beside it, and a
// page with a table whose number column is totalled below it.
#include "forms/app/tools/sample_field_page.h"
#include "forms/app/tools/sample_formula_page.h"
#include "forms/app/tools/sample_table_page.h"
#include "forms/app/tools/sample_text_page.h"
#include "forms/document/document_fonts.h"
#include "forms/document/document_objects.h"
#include "forms/document/fdocument.h"
#include "forms/document/font_table.h"
#include "forms/document/print/printer_list.h"
#include "forms/model/border.h"
#include "forms/model/formobj.h"
#include "forms/model/object_factory.h"
#include "forms/model/shade.h"
#include "forms/objects/fgroup.h"

#include "platform/ui/message_box.h"

#include <QGuiApplication>

#include <iostream>
#include <memory>
#include <vector>

namespace {

struct Shape {
    uint8_t type;
    uint16_t page;
    RECT rect;
    uint16_t borderWidth;
    uint32_t borderColour;
    int16_t pattern;
    uint32_t fill;
};

// Lengths in twips: half-inch margins on A4.
constexpr Shape kShapes[] = {
    {kTypeBox, 1, {1440, 1440, 5040, 3600}, 40, 0x000000, kSolidForegroundPattern, 0xE0C080},
    {kTypeEllipse, 1, {5760, 1440, 9360, 3600}, 30, 0x800000, 5, 0x0080FF},
    {kTypeLine, 1, {1440, 4320, 9360, 6480}, 20, 0x0000C0, 0, 0},
    {kTypeOrthLine, 1, {1440, 7200, 9360, 7220}, 60, 0x008000, 0, 0},
    {kTypeBox, 1, {1440, 7920, 9360, 12960}, 20, 0x404040, 2, 0xC0C0C0},
    {kTypeEllipse, 2, {2160, 2160, 8640, 8640}, 80, 0x000080, kSolidForegroundPattern, 0x80FFFF},
    {kTypeBox, 2, {1440, 10080, 4320, 12960}, 20, 0x000000, 7, 0x008080},
    {kTypeOrthLine, 2, {6480, 9360, 6500, 14400}, 40, 0x800080, 0, 0},
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: make_sample <form file>\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ui::ScopedMessageBoxHook tell {[](const ui::MessageBoxRequest& request) {
        std::cerr << "make_sample: " << request.text << '\n';
        return ui::IDOK;
    }};
    FONT_TABLE fonts;
    PRINTER_LIST printers;
    printers.Reset();
    SetProgramFontTable(&fonts);
    SetPrinterList(&printers);
    SetProgramFonts(&DocumentFonts());
    RegisterDocumentObjects();
    bool saved = false;
    {
        FDOCUMENT doc;
        doc.AppendPage();
        doc.AppendPage();
        int number = 1;
        for (const Shape& s : kShapes) {
            std::unique_ptr<FORMOBJ> object = doc.GetObjects().CreateObject(s.type);
            object->SetName("Shape" + std::to_string(number++));
            object->SetRect(s.rect.left, s.rect.top, s.rect.right, s.rect.bottom);
            BORDER border;
            object->GetBorder(&border);
            border.SetWidth(s.borderWidth);
            border.SetColour(s.borderColour);
            object->SetBorder(border);
            if (s.type == kTypeBox || s.type == kTypeEllipse) {
                BASICSHADE shade;
                shade.SetColour1(s.fill);
                shade.SetColour2(0xFFFFFF);
                shade.SetPattern(s.pattern);
                object->SetShade(shade);
            }
            doc.GetObjects().SetObjectPage(std::move(object), s.page);
        }
        int textNumber = 1;
        for (auto& text : MakeSampleTextObjects()) {
            text->SetName("Text" + std::to_string(textNumber++));
            doc.GetObjects().SetObjectPage(std::move(text), 3);
        }
        doc.AppendPage();
        SampleFields sample = MakeSampleFields();
        std::vector<FORMOBJ*> ordered;
        // Each field with its label beside it.
        const TEXTATTR labelFont = SampleFieldFont();
        auto addLabel = [&](const FFIELD& field) {
            if (std::unique_ptr<FTEXTOBJ> label = MakeSampleLabel(labelFont, field))
                doc.GetObjects().SetObjectPage(std::move(label), 4);
        };
        for (auto& field : sample.fields) {
            ordered.push_back(field.get());
            addLabel(*field);
            doc.GetObjects().SetObjectPage(std::move(field), 4);
        }
        for (auto& radio : sample.radios)
            addLabel(*radio);
        // The radio buttons form one group.
        auto group = std::make_unique<FGROUP>();
        group->Init();
        group->SetName("Delivery");
        for (auto& radio : sample.radios) {
            ordered.push_back(radio.get());
            radio->SetPage(4);
            group->GetMembers().AddTail(std::move(radio));
        }
        group->SetFieldsRadioGroup(group.get());
        doc.GetObjects().SetObjectPage(std::move(group), 4);
        for (FORMOBJ* field : ordered)
            doc.InsertFieldInOrder(field, false);
        doc.AppendPage();
        saved = AddSampleFormulaPage(doc, 5);
        doc.AppendPage();
        saved = saved && AddSampleTablePage(doc, 6) && doc.OnSaveDocument(argv[1]);
    }
    SetProgramFonts(nullptr);
    SetProgramFontTable(nullptr);
    SetPrinterList(nullptr);
    return saved ? 0 : 1;
}
