// The design view's drawing tools: choosing a tool, making a new object of
// its kind with the view's current attributes, and dragging it out on the
// page.
#include "forms/app/views/design/fdesignview.h"

#include "forms/app/views/design/design_styles.h"
#include "forms/document/fdocument.h"
#include "forms/fields/datatypes/datatype.h"
#include "forms/model/fbox.h"
#include "forms/model/fellipse.h"
#include "forms/model/fline.h"
#include "forms/model/forthline.h"
#include "forms/objects/ffield.h"
#include "forms/objects/fselection.h"
#include "forms/objects/ftable.h"
#include "forms/objects/ftextobj.h"
#include "forms/objects/table_format.h"
#include "forms/res/program_resources.h"

#include "platform/ui/message_box.h"

void FDESIGNVIEW::SetTool(uint8_t code)
{
    if (tool == kSelectionTool && code != kSelectionTool && selection && selection->GetCount() > 0) {
        selection->Deselect(this);
        UpdateWindow();
    }
    tool = code;
}

std::unique_ptr<FORMOBJ> FDESIGNVIEW::NewObjectOfType(uint8_t code)
{
    const BASICSHADE& shade = format->NewObjectShade();
    const BORDER& border = format->NewObjectBorder();
    const SHADOW& shadow = format->NewObjectShadow();
    const TEXTATTR& font = format->NewObjectFont();
    const uint8_t alignment = format->NewObjectAlignment();
    switch (code) {
    case kTypeEllipse: {
        auto ellipse = std::make_unique<FELLIPSE>();
        return ellipse->Create(shade, border, shadow) ? std::move(ellipse) : nullptr;
    }
    case kTypeOrthLine: {
        auto line = std::make_unique<FORTHLINE>();
        return line->InitNew(border) ? std::move(line) : nullptr;
    }
    case kTypeBox: {
        auto box = std::make_unique<FBOX>();
        return box->Create(shade, border, shadow) ? std::move(box) : nullptr;
    }
    case kTypeField: {
        auto field = std::make_unique<FFIELD>();
        return field->CreateAs(alignment, border, shade, font, shadow) ? std::move(field) : nullptr;
    }
    case kListBoxTool: {
        auto field = std::make_unique<FFIELD>();
        return field->CreateAsWithList(alignment, border, shade, font, shadow, true) ? std::move(field) : nullptr;
    }
    case kCheckBoxTool: {
        auto field = std::make_unique<FFIELD>();
        return field->SetType(kKindCheckBox, alignment, border, shade, font, shadow) ? std::move(field) : nullptr;
    }
    case kTypeText: {
        auto text = std::make_unique<FTEXTOBJ>();
        if (!text->Create(font, alignment))
            return nullptr;
        // Turned as the rotation box last set for new text.
        text->SetRotation(static_cast<uint16_t>(format->NewTextRotation() % 3600), nullptr);
        return text;
    }
    case kTypeLine: {
        auto line = std::make_unique<FLINE>();
        return line->Create(border) ? std::move(line) : nullptr;
    }
    case kTypeTable: {
        TABLE_FORMAT tableFormat;
        tableFormat.shadow = shadow;
        return DESIGN_TABLE::MakeTable(tableFormat);
    }
    default:
        return nullptr;
    }
}

void FDESIGNVIEW::CreateWithTool(POINT point)
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc || !IsOnPage(point))
        return;
    std::unique_ptr<FORMOBJ> object = NewObjectOfType(tool);
    if (!object) {
        ui::MessageBox(ProgramResources().LoadString(kObjectNotImplemented), {});
        return;
    }
    const auto page = static_cast<uint16_t>(currentPage);
    object->SetPage(page);
    Styles().ApplyCurrentStyle(*object);
    const TrackNewResult answer = object->TrackNew(this, point.x, point.y, 1);
    if (answer != kTrackPlaced) {
        object.reset();
        if (answer == kTrackNoDrag) {
            SetTool(kSelectionTool);
            SelectAt(point);
        }
        return;
    }
    FORMOBJ* placed = object.get();
    // A new field takes a default name and the next field id.
    placed->ExtRefresh(reinterpret_cast<uintptr_t>(static_cast<OBJECT_DOCUMENT*>(doc)));
    doc->GetObjects().SetObjectPage(std::move(object), page);
    placed->Invalidate(this);
    UpdateWindow();
    doc->GetUndoList().Clear();
    doc->SetModified(true);
    doc->InsertFieldInOrder(placed, false);
}
