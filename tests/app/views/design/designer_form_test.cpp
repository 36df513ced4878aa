// A form drawn in the design view with every built tool, saved and opened
// again, has the same objects; and a picture of the view with a selection
// and its handles for a person to look at.
#include "tests/app/support/designer_window.h"

#include "forms/model/formobj.h"
#include "forms/objects/fselection.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

struct Drawn {
    unsigned tool;
    POINT from, to;
};

// Box, ellipse, diagonal line and orthogonal line, in drawing order.
const Drawn kDrawing[] = {{32772, {1440, 1440}, {4320, 2880}}, {32777, {5040, 1440}, {7920, 3600}},
    {32771, {1440, 4320}, {7920, 6480}}, {32776, {1440, 7200}, {7920, 7250}}};

class DesignerFormTest : public DesignerTest {
protected:
    void DrawAll()
    {
        for (const Drawn& d : kDrawing) {
            ASSERT_TRUE(view.ExecuteCommand(d.tool));
            const POINT from = At(d.from);
            const POINT to = At(d.to);
            Drag({from, {(from.x + to.x) / 2, (from.y + to.y) / 2}, to});
        }
        ASSERT_TRUE(view.ExecuteCommand(32778));
    }
};

TEST_F(DesignerFormTest, DrawnFormComesBackFromItsFile)
{
    DrawAll();
    const std::vector<FORMOBJ*> drawn = Objects();
    ASSERT_EQ(drawn.size(), 4u);
    const uint8_t types[] = {kTypeBox, kTypeEllipse, kTypeLine, kTypeOrthLine};
    for (size_t i = 0; i < drawn.size(); ++i)
        EXPECT_EQ(drawn[i]->GetType(), types[i]);

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = (folder.path() + "/drawn.qwm").toStdString();
    ASSERT_TRUE(doc->OnSaveDocument(path));

    FDOCUMENT reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    std::vector<FORMOBJ*> read;
    for (FORMOBJ* o = reopened.GetObjects().GetHead(); o; o = o->GetNext())
        read.push_back(o);
    ASSERT_EQ(read.size(), drawn.size());
    for (size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(read[i]->GetType(), drawn[i]->GetType()) << i;
        EXPECT_EQ(read[i]->GetPage(), 1) << i;
        EXPECT_EQ(RectOf(read[i]), RectOf(drawn[i])) << i;
        EXPECT_FALSE(read[i]->IsSelected(nullptr)) << i;
    }
}

TEST_F(DesignerFormTest, PictureOfASelectionWithItsHandles)
{
    DrawAll();
    // The ellipse alone, then the box and the ellipse by rubber band.
    Click(At(6480, 2520));
    ASSERT_EQ(view.GetSelection()->GetCount(), 1);
    Click(At(500, 9000));
    Drag({At(1000, 1000), At(4000, 3000), At(8000, 3800)});
    ASSERT_EQ(view.GetSelection()->GetCount(), 2);
    view.UpdateWindow();
    const QImage picture = host.grab().toImage();
    QDir().mkpath(FORMS_TEST_OUTPUT_DIR "/app");
    EXPECT_TRUE(picture.save(FORMS_TEST_OUTPUT_DIR "/app/designer_selection.png"));

    // The box's top-left handle lies just outside its corner, black.
    const POINT corner = At(1440, 1440);
    EXPECT_EQ(picture.pixelColor(corner.x - 3, corner.y - 3), QColor(Qt::black));
    // Inside the box the page is white.
    const POINT inside = At(2880, 2160);
    EXPECT_EQ(picture.pixelColor(inside.x, inside.y), QColor(Qt::white));
}

} // namespace
