#include "tests/app/views/fill/fill_view_fixture.h"

#include "forms/document/ccinterface.h"
#include "forms/document/document_objects.h"
#include "forms/fields/datatypes/check_datatype.h"
#include "forms/fields/datatypes/datatype.h"
#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/model/fobjlist.h"
#include "forms/model/viewdc.h"
#include "forms/objects/fgroup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>

FillViewTest::FillViewTest()
{
    RegisterDocumentObjects();
    RegisterValueDataTypes();
    host.resize(900, 700);
}

FillViewTest::~FillViewTest()
{
    host.SetView(nullptr);
    view->SetDocument(nullptr);
    view.reset();
}

FFIELD& FillViewTest::AddField(uint8_t kind, const std::string& name, bool inOrder)
{
    auto field = MakeField({720, nextTop, 4000, nextTop + 300});
    nextTop += 400;
    field->SetDataType(*CreateDataType(kind), nullptr);
    field->SetName(name);
    field->SetFieldID(doc->GetNextFieldID());
    FFIELD* placed = field.get();
    doc->GetObjects().SetObjectPage(std::move(field), 1);
    if (inOrder)
        doc->InsertFieldInOrder(placed, false);
    return *placed;
}

FTABLE& FillViewTest::PlaceTable(std::unique_ptr<FTABLE> made, const std::string& name, int32_t below)
{
    made->SetPage(1);
    made->ExtRefresh(reinterpret_cast<uintptr_t>(static_cast<OBJECT_DOCUMENT*>(doc.get())));
    made->SetName(name);
    FTABLE& placed = *made;
    doc->GetObjects().SetObjectPage(std::move(made), 1);
    doc->InsertFieldInOrder(&placed, false);
    nextTop = below;
    return placed;
}

std::string FillViewTest::Formula(FFIELD& field, const std::string& text)
{
    char message[abacine::kNameBufferSize + 1] = {};
    if (doc->GetFormulaHost().AddFormula(field.GetFieldID(), text.c_str(), message))
        return "";
    return message;
}

void FillViewTest::SetNumber(FFIELD& field, double value)
{
    OPERAND operand {};
    operand.nType = kOperandNumber;
    operand.dNumber = value;
    field.GetDataType()->SetFromOperand(operand);
}

double FillViewTest::Number(FFIELD& field)
{
    OPERAND operand {};
    field.GetDataType()->GetOperand(operand);
    return operand.nType == kOperandNumber ? operand.dNumber : -1;
}

bool FillViewTest::IsChecked(FFIELD& field)
{
    return Number(field) != 0.0;
}

void FillViewTest::MakeRadioGroup(const std::vector<FFIELD*>& buttons)
{
    for (FFIELD* button : buttons)
        if (auto* box = dynamic_cast<CHECK_DATATYPE*>(button->GetDataType()))
            box->SetRadio(1);
}

void FillViewTest::Start()
{
    host.SetView(view.get());
    view->SetDocument(doc.get());
    host.show();
    QCoreApplication::processEvents();
    view->OnActivateView(true, view.get(), view.get());
    view->OnInitialUpdate();
    QCoreApplication::processEvents();
}

RECT FillViewTest::ToWindow(const RECT& logical)
{
    VIEWDC dc(view.get(), kOwnWindow);
    POINT corners[2] = {{logical.left - dc.originX, logical.top - dc.originY},
        {logical.right - dc.originX, logical.bottom - dc.originY}};
    dc.LPtoDP(corners, 2);
    return RECT {corners[0].x, corners[0].y, corners[1].x, corners[1].y}.Normalized();
}

POINT FillViewTest::At(FFIELD& field)
{
    RECT r;
    {
        VIEWDC dc(view.get(), kOwnWindow);
        field.GetInnerRect(r, dc);
    }
    const RECT device = ToWindow(r);
    return {(device.left + device.right) / 2, (device.top + device.bottom) / 2};
}

void FillViewTest::Click(POINT p)
{
    QWidget* target = host.childAt(p.x, p.y);
    if (!target)
        target = &host;
    const QPointF local = QPointF(target->mapFrom(&host, QPoint(p.x, p.y)));
    QMouseEvent press(
        QEvent::MouseButtonPress, local, target->mapToGlobal(local), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    target = host.childAt(p.x, p.y);
    if (!target)
        target = &host;
    QMouseEvent release(
        QEvent::MouseButtonRelease, local, target->mapToGlobal(local), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
    QCoreApplication::processEvents();
}

void FillViewTest::Key(int key, Qt::KeyboardModifiers modifiers)
{
    // The key may close the window that had the focus: the release goes
    // to whichever window has it afterwards.
    QWidget* target = QApplication::focusWidget();
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(target ? target : &host, &press);
    target = QApplication::focusWidget();
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QCoreApplication::sendEvent(target ? target : &host, &release);
    QCoreApplication::processEvents();
}

void FillViewTest::Type(const std::string& text)
{
    for (char ch : text) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(ch)));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(QChar(ch)));
        QApplication::sendEvent(target, &release);
    }
    QApplication::processEvents();
}

bool FillViewTest::ShowsAsRedrawn(FFIELD& field)
{
    RECT r;
    field.GetRect(r);
    const RECT device = ToWindow(r);
    const QRect area(device.left - 4, device.top - 4, device.right - device.left + 8, device.bottom - device.top + 8);
    const QImage shown = host.grab(area).toImage();
    view->RepaintAll();
    view->UpdateWindow();
    QCoreApplication::processEvents();
    return shown == host.grab(area).toImage();
}
