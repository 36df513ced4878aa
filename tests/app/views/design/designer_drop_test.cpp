// Dragging the selection out of a design view as data: within the view,
// into another view of the same form, into another form, and onto a place
// the selection may not take. The drag runs through a scripted hook that
// sends Qt's drag events to the windows.
#include "tests/app/support/designer_window.h"
#include "tests/app/support/second_form.h"

#include "forms/document/fdocument.h"
#include "forms/objects/ffield.h"
#include "forms/objects/fselection.h"

#include "platform/ui/clipboard.h"
#include "platform/ui/drag_drop.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QMimeData>

#include <functional>

namespace {

using Step = ui::ScriptedDragStep;

class DesignerDropTest : public DesignerTest {
protected:
    DesignerDropTest()
    {
        box = Add(kTypeBox, {1440, 1440, 2880, 2880});
        field = dynamic_cast<FFIELD*>(Add(kTypeField, {1440, 3600, 4320, 3888}));
        field->ExtRefresh(reinterpret_cast<uintptr_t>(static_cast<OBJECT_DOCUMENT*>(doc.get())));
        doc->InsertFieldInOrder(field, false);
        box->Select(&view);
        field->Select(&view);
    }
    // Presses inside the selection at the page point and moves far enough
    // to start the drag; the script then runs as the drag. Answers the
    // drag's effect.
    unsigned DragFrom(POINT page, std::function<std::vector<Step>()> script)
    {
        unsigned effect = 99;
        ui::SetDragHook([&](QWidget&, QPoint, const ui::DataSource& data, unsigned allowed) {
            carried = data;
            effect = ui::SendScriptedDrag(data, allowed, script());
            return effect;
        });
        const POINT press = At(page);
        PostMove({press.x + 10, press.y});
        Press(press);
        QCoreApplication::processEvents();
        return effect;
    }
    std::vector<FORMOBJ*> FillingOrder(FDOCUMENT& form)
    {
        std::vector<FORMOBJ*> order;
        for (int i = 0; i < form.GetTabOrderCount(); ++i)
            order.push_back(form.GetTabOrder().GetAt(i));
        return order;
    }
    static QPoint Q(POINT p) { return {p.x, p.y}; }

    FORMOBJ* box;
    FFIELD* field;
    ui::DataSource carried;
};

TEST_F(DesignerDropTest, TheDragCarriesItsDescriptionAndTheObjects)
{
    // The box and the field below it (2880 by 2448 twips) grabbed half an
    // inch into the box: size, grab, extent, extent offset.
    const std::string expected("\x40\x0B\x00\x00\x90\x09\x00\x00\xD0\x02\x00\x00\xD0\x02\x00\x00"
                               "\x40\x0B\x00\x00\x90\x09\x00\x00\xD0\x02\x00\x00\xD0\x02\x00\x00",
        32);
    DragFrom({2160, 2160}, [] { return std::vector<Step> {}; });
    ASSERT_TRUE(carried.Has(kFormatDragObject));
    EXPECT_EQ(*carried.Data(kFormatDragObject), expected);
    EXPECT_TRUE(carried.Has(kFormatSelection));
    EXPECT_TRUE(carried.Has(kFormatTypefaces));
    EXPECT_FALSE(carried.Has(ui::kFormatText)) << "drags carry no text";
}

TEST_F(DesignerDropTest, DescriptionBlocksThatDoNotFitCountAsNotOffered)
{
    DRAG_DESCRIPTION d;
    d.size = {1440, 720};
    d.grab = {-10, 20};
    d.extent = {1440, 720};
    d.extentOffset = {30, -40};
    const std::string good = d.Encode();
    ASSERT_TRUE(DRAG_DESCRIPTION::Decode(good));
    EXPECT_EQ(DRAG_DESCRIPTION::Decode(good)->grab.x, -10);
    auto with = [&](size_t at, int32_t v) {
        std::string b = good;
        for (int i = 0; i < 4; ++i)
            b[at + i] = static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
        return b;
    };
    const struct {
        const char* what;
        std::string bytes;
    } bad[] = {{"31 bytes", good.substr(0, 31)}, {"negative width", with(0, -1)},
        {"negative extent height", with(20, -5)}, {"beyond 32767", with(8, 32768)}, {"below -32767", with(28, -32768)}};
    for (const auto& b : bad)
        EXPECT_FALSE(DRAG_DESCRIPTION::Decode(b.bytes)) << b.what;
}

TEST_F(DesignerDropTest, CtrlDragWithinTheViewLeavesTheOriginalsAndSelectsCopiesAtTheDrop)
{
    const unsigned effect = DragFrom({2160, 2160}, [this] {
        return std::vector<Step> {{Step::Over, &host, Q(At(4000, 5000)), Qt::ControlModifier},
            {Step::Drop, &host, Q(At(5040, 6480)), Qt::ControlModifier}};
    });
    EXPECT_EQ(effect, ui::kDropCopy);
    EXPECT_EQ(RectOf(box), (RECT {1440, 1440, 2880, 2880}));
    EXPECT_EQ(RectOf(field), (RECT {1440, 3600, 4320, 3888}));
    const std::vector<FORMOBJ*> copies = Selected();
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(Objects().size(), 4u);
    // The grab point (720 into the box) lies under the drop point, on the
    // 72-twip grid.
    EXPECT_EQ(RectOf(copies[0]), (RECT {4320, 5760, 5760, 7200}));
    EXPECT_NE(dynamic_cast<FFIELD*>(copies[1])->GetFieldID(), field->GetFieldID());
    EXPECT_EQ(doc->GetTabOrderCount(), 2);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(DesignerDropTest, IntoAnotherViewOfTheFormCtrlCopiesAndAPlainDragMovesKeepingIds)
{
    struct Case {
        const char* what;
        Qt::KeyboardModifiers keys;
        unsigned effect;
        size_t added;
    };
    const Case cases[] = {{"copy", Qt::ControlModifier | Qt::ShiftModifier, ui::kDropCopy, 2},
        {"move", Qt::NoModifier, ui::kDropMove, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SecondForm other(doc.get());
        if (view.GetSelection()->GetCount() == 0) {
            box->Select(&view);
            field->Select(&view);
        }
        const uint16_t id = field->GetFieldID();
        const std::string name = field->GetName();
        const size_t objects = Objects().size();
        const int fields = doc->GetTabOrderCount();
        const unsigned effect = DragFrom({2160, 2160}, [&] {
            return std::vector<Step> {{Step::Over, &host, Q(At(2500, 2500)), c.keys},
                {Step::Over, &other.host, QPoint(300, 300), c.keys},
                {Step::Drop, &other.host, QPoint(320, 310), c.keys}};
        });
        EXPECT_EQ(effect, c.effect);
        EXPECT_EQ(Objects().size(), objects + c.added);
        EXPECT_EQ(view.GetSelection()->GetCount(), 0);
        EXPECT_EQ(other.view.GetSelection()->GetCount(), 2);
        FFIELD* dropped = nullptr;
        for (FORMOBJ* o : Objects())
            if (o->IsSelected(nullptr) && dynamic_cast<FFIELD*>(o))
                dropped = dynamic_cast<FFIELD*>(o);
        ASSERT_NE(dropped, nullptr);
        if (c.effect == ui::kDropMove) {
            EXPECT_EQ(dropped->GetFieldID(), id);
            EXPECT_EQ(dropped->GetName(), name);
            EXPECT_EQ(doc->GetTabOrderCount(), fields);
            EXPECT_TRUE(doc->GetTabOrder().Contains(dropped));
        } else {
            EXPECT_NE(dropped->GetFieldID(), id);
            EXPECT_EQ(doc->GetTabOrderCount(), fields + 1);
        }
        other.view.GetSelection()->Deselect(&other.view);
    }
}

TEST_F(DesignerDropTest, AMoveIntoAnotherFormGivesNewIdsAndEmptiesTheSource)
{
    SecondForm other;
    for (int i = 0; i < 3; ++i)
        other.doc->GetNextFieldID();
    const unsigned effect = DragFrom({2160, 2160}, [&] {
        return std::vector<Step> {
            {Step::Over, &other.host, QPoint(300, 300)}, {Step::Drop, &other.host, QPoint(300, 300)}};
    });
    EXPECT_EQ(effect, ui::kDropMove);
    EXPECT_TRUE(Objects().empty());
    EXPECT_EQ(doc->GetTabOrderCount(), 0);
    const std::vector<FORMOBJ*> arrived = other.Objects();
    ASSERT_EQ(arrived.size(), 2u);
    EXPECT_EQ(dynamic_cast<FFIELD*>(arrived[1])->GetFieldID(), 4);
    EXPECT_EQ(other.doc->GetTabOrderCount(), 1);
    EXPECT_TRUE(other.doc->IsModified());
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(DesignerDropTest, OutsideTheMarginsTheFeedbackIsRefusedAndADropDoesNothing)
{
    SecondForm other;
    int stateOver = -1;
    unsigned overEffect = 99;
    const unsigned effect = DragFrom({2160, 2160}, [&] {
        // Near the window's top-left corner the grab point puts the box
        // across the page's left and top margins.
        ui::DataSource data = carried;
        const ui::DataObject offered
            = ui::DataObject::FromMimeData(std::unique_ptr<QMimeData>(data.ToMimeData()).get());
        overEffect = other.view.GetDrop().OnDragEnter(offered, 0, {20, 20});
        stateOver = other.view.GetDrop().GetDragFeedbackState();
        other.view.GetDrop().OnDragLeave();
        return std::vector<Step> {{Step::Over, &other.host, QPoint(20, 20)}, {Step::Drop, &other.host, QPoint(20, 20)}};
    });
    EXPECT_EQ(overEffect, ui::kDropNone);
    EXPECT_EQ(stateOver, 13);
    EXPECT_EQ(effect, ui::kDropNone);
    EXPECT_TRUE(other.Objects().empty());
    EXPECT_EQ(Objects().size(), 2u);
    EXPECT_EQ(view.GetSelection()->GetCount(), 2);
    EXPECT_EQ(other.view.GetDrop().GetDragFeedbackState(), 0);
}

} // namespace

namespace {

void SaveShot(QWidget& window, const char* name)
{
    QDir().mkpath(FORMS_TEST_OUTPUT_DIR);
    window.grab().save(QString(FORMS_TEST_OUTPUT_DIR) + "/" + name);
}

// Pictures for a person to look at: the feedback of four objects dragged
// over a second form, where they may go and where they may not, and the
// second form after the drop.
TEST_F(DesignerDropTest, ScreenshotsOfTheFeedbackOverASecondForm)
{
    Add(kTypeEllipse, {3240, 1440, 4680, 2880})->Select(&view);
    Add(kTypeOrthLine, {1440, 4320, 4680, 4320})->Select(&view);
    SecondForm other;
    int accepted = -1;
    int refused = -1;
    DragFrom({2160, 2160}, [&] {
        // The view's notifications directly, so that the feedback stays
        // for the picture.
        const ui::DataObject offered
            = ui::DataObject::FromMimeData(std::unique_ptr<QMimeData>(carried.ToMimeData()).get());
        other.view.GetDrop().OnDragEnter(offered, 0, {300, 200});
        accepted = other.view.GetDrop().GetDragFeedbackState();
        SaveShot(other.host, "drag_feedback_accepted.png");
        other.view.GetDrop().OnDragOver(offered, 0, {30, 30});
        refused = other.view.GetDrop().GetDragFeedbackState();
        SaveShot(other.host, "drag_feedback_refused.png");
        other.view.GetDrop().OnDragLeave();
        return std::vector<Step> {{Step::Over, &other.host, QPoint(300, 200), Qt::ControlModifier},
            {Step::Drop, &other.host, QPoint(300, 200), Qt::ControlModifier}};
    });
    EXPECT_EQ(accepted, 2);
    EXPECT_EQ(refused, 13);
    EXPECT_EQ(other.Objects().size(), 4u);
    SaveShot(other.host, "drop_into_second_form.png");
}

} // namespace
