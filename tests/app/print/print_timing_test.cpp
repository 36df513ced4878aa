// The print switch on forms whose shapes are as large as a page, or far
// larger because the file was damaged: printing ends in seconds, as a
// small PDF, whatever the shapes' size.
#include "tests/app/support/temp_folder_env.h"

#include "forms/document/fdocument.h"
#include "forms/document/font_table.h"
#include "forms/document/print/printer_list.h"
#include "forms/model/border.h"
#include "forms/model/formobj.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/shape_classes.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Shape {
    uint8_t type;
    uint16_t page;
    RECT rect;
    int16_t pattern;
};

// The shapes of the program's sample form: two pages, every kind of shape,
// patterned fills.
std::vector<Shape> SampleShapes()
{
    return {
        {kTypeBox, 1, {1440, 1440, 5040, 3600}, kSolidForegroundPattern},
        {kTypeEllipse, 1, {5760, 1440, 9360, 3600}, 5},
        {kTypeLine, 1, {1440, 4320, 9360, 6480}, 0},
        {kTypeOrthLine, 1, {1440, 7200, 9360, 7220}, 0},
        {kTypeBox, 1, {1440, 7920, 9360, 12960}, 2},
        {kTypeEllipse, 2, {2160, 2160, 8640, 8640}, 13},
        {kTypeBox, 2, {1440, 10080, 4320, 12960}, 7},
        {kTypeOrthLine, 2, {6480, 9360, 6500, 14400}, 0},
    };
}

// Writes a form of the shapes, each with a border, a shadow and a fill
// of its pattern in orange on white.
bool WriteForm(const fs::path& path, const std::vector<Shape>& shapes)
{
    FONT_TABLE fonts;
    PRINTER_LIST printers;
    printers.Reset();
    SetProgramFontTable(&fonts);
    SetPrinterList(&printers);
    RegisterShapeClasses();
    bool saved = false;
    {
        FDOCUMENT doc;
        doc.AppendPage();
        for (const Shape& s : shapes) {
            std::unique_ptr<FORMOBJ> object = doc.GetObjects().CreateObject(s.type);
            object->SetRect(s.rect.left, s.rect.top, s.rect.right, s.rect.bottom);
            BORDER border;
            object->GetBorder(&border);
            border.SetWidth(40);
            object->SetBorder(border);
            if (s.type == kTypeBox || s.type == kTypeEllipse) {
                BASICSHADE shade;
                shade.SetColour1(0x0080FF);
                shade.SetPattern(s.pattern);
                object->SetShade(shade);
                SHADOW shadow;
                shadow.colour = 0x808080;
                shadow.x = 90;
                shadow.y = 90;
                object->SetShadow(shadow);
            }
            doc.GetObjects().SetObjectPage(std::move(object), s.page);
        }
        saved = doc.OnSaveDocument(path.string());
    }
    SetProgramFontTable(nullptr);
    SetPrinterList(nullptr);
    return saved;
}

struct Printed {
    int status = -1; // the exit code; -1 when it crashed or did not end
    qint64 milliseconds = 0;
};

// Runs `forms -p form`, waiting up to two minutes.
Printed PrintForm(const fs::path& form)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.setProgram(FORMS_PROGRAM);
    program.setArguments({"-p", QString::fromStdString(form.string())});
    QElapsedTimer clock;
    clock.start();
    program.start();
    Printed printed;
    if (!program.waitForFinished(120000)) {
        program.kill();
        program.waitForFinished();
        printed.milliseconds = clock.elapsed();
        return printed;
    }
    printed.milliseconds = clock.elapsed();
    if (program.exitStatus() == QProcess::NormalExit)
        printed.status = program.exitCode();
    return printed;
}

class PrintTiming : public ::testing::Test {
protected:
    fs::path folder;
    void SetUp() override
    {
        ASSERT_TRUE(config.IsValid());
        folder = config.Folder() / "timing";
        fs::create_directories(folder);
    }
    TempFolderEnv config {"XDG_CONFIG_HOME"};
};

// Bounds for a slow machine shared with other tests: a few times what
// printing takes here, far below the minutes that a cost per device row
// of a shape would take.
constexpr qint64 kPageSizedMilliseconds = 10000;
constexpr qint64 kDamagedMilliseconds = 20000;

TEST_F(PrintTiming, APageSizedEllipsePrintsQuicklyAsASmallPdf)
{
    std::vector<Shape> shapes = SampleShapes();
    shapes[1].rect = {0, 0, 12240, 15840}; // the whole Letter page
    const fs::path form = folder / "page.qwm";
    ASSERT_TRUE(WriteForm(form, shapes));
    const Printed printed = PrintForm(form);
    EXPECT_EQ(printed.status, 0);
    EXPECT_LT(printed.milliseconds, kPageSizedMilliseconds);
    const fs::path pdf = folder / "page.pdf";
    ASSERT_TRUE(fs::exists(pdf));
    // A few kilobytes a page: each pattern written once, shapes as outlines.
    EXPECT_LT(fs::file_size(pdf), 40u * 1024u) << fs::file_size(pdf);
}

TEST_F(PrintTiming, AFormWithADamagedEllipseSizePrintsOrRefusesQuickly)
{
    struct Case {
        const char* what;
        RECT rect;
    } cases[] = {
        {"height", {5760, 1440, 9360, 2000000000}},
        {"width", {5760, 1440, 2000000000, 3600}},
        {"both ways", {-2000000000, -2000000000, 2000000000, 2000000000}},
    };
    for (const Case& c : cases) {
        std::vector<Shape> shapes = SampleShapes();
        shapes[1].rect = c.rect;
        const fs::path form = folder / "damaged.qwm";
        ASSERT_TRUE(WriteForm(form, shapes)) << c.what;
        const Printed printed = PrintForm(form);
        EXPECT_TRUE(printed.status == 0 || printed.status == 1) << c.what << ": status " << printed.status;
        EXPECT_LT(printed.milliseconds, kDamagedMilliseconds) << c.what;
    }
}

} // namespace
