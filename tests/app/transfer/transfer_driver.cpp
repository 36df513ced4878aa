// A small program over the designer's libraries for the test of the
// clipboard between two processes on a real display:
//   copy FORM PAGE STOPFILE  opens the form, selects the page, copies,
//                            prints "ready N" and serves the clipboard
//                            until STOPFILE appears;
//   paste OUT                pastes into a new form and saves it as OUT;
//   dump FORM PAGE           prints each object of the page with its
//                            typeface;
//   seed FORM PAGE OUT       writes the page's copy as an input of the
//                            paste fuzzer: typefaces and selection, each
//                            after a 32-bit length, then a drag
//                            description.
#include "tests/app/support/view_test_support.h"

#include "forms/app/views/design/fdesignview.h"
#include "forms/document/fdocument.h"
#include "forms/document/font_table.h"
#include "forms/model/fselection.h"
#include "forms/model/textattr.h"

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
    explicit DesignWindow(FDOCUMENT& doc)
    {
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
        view.OnEditCopy();
    }
    ~DesignWindow()
    {
        host.SetView(nullptr);
        view.SetDocument(nullptr);
    }
    FDESIGNVIEW view;
    ui::ViewHost host;
};

int Copy(QApplication& app, const std::string& form, int page, const QString& stop)
{
    FDOCUMENT doc;
    if (!doc.OnOpenDocument(form))
        return 2;
    DesignWindow window(doc);
    window.CopyPage(page);
    std::printf("ready %d\n", window.view.GetSelection()->GetCount());
    std::fflush(stdout);
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

int Paste(const std::string& out)
{
    FDOCUMENT doc;
    DesignWindow window(doc);
    window.view.OnEditPaste();
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
    if (mode == "seed" && argc == 5)
        return Seed(argv[2], std::atoi(argv[3]), argv[4]);
    std::fprintf(stderr, "usage: %s copy FORM PAGE STOPFILE | paste OUT | dump FORM PAGE\n", argv[0]);
    return 1;
}
