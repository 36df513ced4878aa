// Starts a program and ends it as soon as its main window has painted:
// "forms" starts the forms program as its own main does, "plain" a Qt
// program of one empty main window. Timed from outside, the two give the
// forms program's start-up beside the least a Qt program costs.
#include "forms/app/program/command_line.h"
#include "forms/app/program/form_classes.h"
#include "forms/app/program/forms_app.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Ends the process once the first main window's paint is done: what is
// left to the event loop after it is the screen flush.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !ending && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window()->inherits("QMainWindow")) {
            ending = true;
            QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return false;
    }

private:
    bool ending = false;
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2 || (std::strcmp(argv[1], "forms") != 0 && std::strcmp(argv[1], "plain") != 0)) {
        std::fprintf(stderr, "usage: startup_probe forms|plain\n");
        return 2;
    }
    const bool forms = std::strcmp(argv[1], "forms") == 0;
    int qtArgc = 1;
    QApplication qapp(qtArgc, argv);
    FirstPaint watch;
    qapp.installEventFilter(&watch);
    if (!forms) {
        QMainWindow window;
        window.resize(800, 600);
        window.show();
        return qapp.exec();
    }
    FORMSAPP app(FormAppClasses());
    if (const std::optional<int> ended = app.InitInstance(ArgumentWords(1, argv)))
        return app.ExitInstance(*ended);
    return app.ExitInstance(app.Run());
}
