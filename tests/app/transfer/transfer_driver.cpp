// A small program over the designer's libraries for the test of the
// clipboard between two processes on a real display:
//   copy FORM PAGE STOPFILE  opens the form, selects the page, copies,
//                            prints "ready N" and serves the clipboard
//                            until STOPFILE appears;
//   paste OUT                pastes into a new form and saves it as OUT;
//   dump FORM PAGE           prints each object of the page with its
//                            typeface;
//   dragfrom STOP X Y        shows a new form at screen point X,Y
//                            holding a box and a field, both selected;
//                            prints "ready" with the screen point of the
//                            box's middle, and at STOP the number of
//                            objects the form kept;
//   dropinto OUT STOP X Y    shows an empty new form at X,Y, prints
//                            "ready" with the screen point of its middle
//                            and at STOP saves it as OUT;
//   seed FORM PAGE OUT       writes the page's copy as an input of the
//                            paste fuzzer: typefaces and selection, each
//                            after a 32-bit length, then a drag
//                            description.
#include "tests/app/support/view_test_support.h"

#include "forms/app/views/design/fdesignview.h"
#include "forms/document/fdocument.h"
#include "forms/document/font_table.h"
#include "forms/model/textattr.h"
#include "forms/model/tracker_geometry.h"
#include "forms/objects/ffield.h"
#include "forms/objects/fselection.h"

#include "platform/ui/clipboard.h"
#include "platform/ui/message_box.h"
#include "platform/ui/view_host.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Messages are printed, never shown: nobody is there to answer them.
int PrintMessage(const ui::MessageBoxRequest& request)
{
    std::fprintf(stderr, "message: %s\n", request.text.c_str());
    return ui::IDOK;
}

struct DesignWindow {
    explicit DesignWindow(FDOCUMENT& doc, QPoint at = {0, 0})
    {
        host.move(at);
        host.resize(640, 480);
        host.SetView(&view);
        view.SetDocument(&doc);
        host.show();
        QCoreApplication::processEvents();
        view.OnInitialUpdate();
    }
    // Selects every object of the page and copies them.
    void CopyPage(int page)
    {
        view.SetPage(page);
        view.SelectPage();
        view.GetClipboard().OnEditCopy();
    }
    ~DesignWindow()
    {
        host.SetView(nullptr);
        view.SetDocument(nullptr);
    }
    FDESIGNVIEW view;
    ui::ViewHost host;
};

// Runs the event loop until the stop file appears (or two minutes pass).
int ServeUntil(QApplication& app, const QString& stop)
{
    QElapsedTimer running;
    running.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QFile::exists(stop) || running.elapsed() > 120000)
            app.quit();
    });
    poll.start(50);
    return app.exec();
}

int Copy(QApplication& app, const std::string& form, int page, const QString& stop)
{
    FDOCUMENT doc;
    if (!doc.OnOpenDocument(form))
        return 2;
    DesignWindow window(doc);
    window.CopyPage(page);
    std::printf("ready %d\n", window.view.GetSelection()->GetCount());
    std::fflush(stdout);
    return ServeUntil(app, stop);
}

void PrintReady(const QPoint& global)
{
    std::printf("ready %d %d\n", global.x(), global.y());
    std::fflush(stdout);
}

int CountObjects(FDOCUMENT& doc)
{
    int count = 0;
    for (FORMOBJ* o = doc.GetObjects().GetHead(); o; o = o->GetNext())
        ++count;
    return count;
}

int DragFrom(QApplication& app, const QString& stop, QPoint at)
{
    FDOCUMENT doc;
    auto add = [&](uint8_t type, RECT r) {
        std::unique_ptr<FORMOBJ> object = doc.GetObjects().CreateObject(type);
        object->SetRect(r.left, r.top, r.right, r.bottom);
        FORMOBJ* added = object.get();
        doc.GetObjects().SetObjectPage(std::move(object), 1);
        return added;
    };
    FORMOBJ* box = add(kTypeBox, {1440, 1440, 2880, 2880});
    auto* field = dynamic_cast<FFIELD*>(add(kTypeField, {1440, 3600, 4320, 3888}));
    field->ExtRefresh(reinterpret_cast<uintptr_t>(static_cast<OBJECT_DOCUMENT*>(&doc)));
    doc.InsertFieldInOrder(field, false);
    DesignWindow window(doc, at);
    window.view.OnActivateView(true, &window.view, &window.view);
    box->Select(&window.view);
    field->Select(&window.view);
    VIEWDC dc(&window.view);
    window.view.SetupOwnDC(dc);
    const POINT middle = LogicalToDevice(dc, {2160, 2160});
    PrintReady(window.host.mapToGlobal(QPoint(middle.x, middle.y)));
    const int served = ServeUntil(app, stop);
    std::printf("kept %d\n", CountObjects(doc));
    return served;
}

int DropInto(QApplication& app, const std::string& out, const QString& stop, QPoint at)
{
    FDOCUMENT doc;
    DesignWindow window(doc, at);
    PrintReady(window.host.mapToGlobal(QPoint(window.host.width() / 2, window.host.height() / 2)));
    const int served = ServeUntil(app, stop);
    std::printf("received %d\n", CountObjects(doc));
    std::fflush(stdout);
    return served == 0 && doc.OnSaveDocument(out) ? 0 : 3;
}

int Paste(const std::string& out)
{
    FDOCUMENT doc;
    DesignWindow window(doc);
    window.view.GetClipboard().OnEditPaste();
    std::printf("pasted %d\n", window.view.GetSelection()->GetCount());
    return doc.OnSaveDocument(out) ? 0 : 3;
}

int Dump(const std::string& form, int page)
{
    FDOCUMENT doc;
    if (!doc.OnOpenDocument(form))
        return 2;
    for (FORMOBJ* o = doc.GetObjects().GetHead(); o; o = o->GetNext()) {
        if (o->GetPage() != page)
            continue;
        TEXTATTR font;
        const bool hasFont = o->GetFont(&font) != 0;
        std::printf("object %02X %s\n", o->GetType(), hasFont ? GetFaceName(font.face).c_str() : "-");
    }
    return 0;
}

void PutBlock(std::string& out, const std::string& block)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((block.size() >> (8 * i)) & 0xFF));
    out += block;
}

int Seed(const std::string& form, int page, const std::string& out)
{
    FDOCUMENT doc;
    if (!doc.OnOpenDocument(form))
        return 2;
    DesignWindow window(doc);
    window.CopyPage(page);
    const ui::DataObject copied = ui::DataObject::FromClipboard();
    RECT r;
    window.view.GetSelection()->GetRect(r);
    DRAG_DESCRIPTION description;
    description.size = {r.Width(), r.Height()};
    description.extent = description.size;
    std::string seed;
    PutBlock(seed, copied.GetData(kFormatTypefaces).value_or(""));
    PutBlock(seed, copied.GetData(kFormatSelection).value_or(""));
    seed += description.Encode();
    QFile file(QString::fromLocal8Bit(out.c_str()));
    if (!file.open(QIODevice::WriteOnly))
        return 3;
    file.write(seed.data(), static_cast<qint64>(seed.size()));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ProgramWideParts parts;
    ui::SetMessageBoxHook(PrintMessage);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "copy" && argc == 5)
        return Copy(app, argv[2], std::atoi(argv[3]), QString::fromLocal8Bit(argv[4]));
    if (mode == "paste" && argc == 3)
        return Paste(argv[2]);
    if (mode == "dump" && argc == 4)
        return Dump(argv[2], std::atoi(argv[3]));
    if (mode == "dragfrom" && argc == 5)
        return DragFrom(app, QString::fromLocal8Bit(argv[2]), {std::atoi(argv[3]), std::atoi(argv[4])});
    if (mode == "dropinto" && argc == 6)
        return DropInto(app, argv[2], QString::fromLocal8Bit(argv[3]), {std::atoi(argv[4]), std::atoi(argv[5])});
    if (mode == "seed" && argc == 5)
        return Seed(argv[2], std::atoi(argv[3]), argv[4]);
    std::fprintf(stderr,
        "usage: %s copy FORM PAGE STOPFILE | paste OUT | dump FORM PAGE | dragfrom STOP X Y | dropinto OUT STOP X Y\n",
        argv[0]);
    return 1;
}
