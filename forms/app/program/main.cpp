// The program forms: starts the application object from the command line
// and runs the event loop until the main window closes.
#include "forms/app/program/command_line.h"
#include "forms/app/program/form_classes.h"
#include "forms/app/program/forms_app.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    const std::vector<std::string> words = ArgumentWords(argc, argv);
    FORMSAPP app(FormAppClasses());
    if (const std::optional<int> ended = app.InitInstance(words))
        return app.ExitInstance(*ended);
    return app.ExitInstance(app.Run());
}
