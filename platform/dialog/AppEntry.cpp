#include "WinApp.h"

#include <QApplication>

// The program's entry: the application object exists already (a global), so
// start the toolkit and let the application run. InitInstance returning FALSE
// ends the program at once; otherwise the toolkit's loop runs until it quits.
int RunApplication(int argc, char** argv)
{
    QApplication toolkit(argc, argv);
    // Lets the compositor match the windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.raruvid.Raruvid"));
    CWinApp* application = AfxGetApp();
    if (application == nullptr)
        return 1;
    application->InitAppName();
    if (application->InitInstance())
        QApplication::exec();
    return application->ExitInstance();
}

int main(int argc, char** argv)
{
    return RunApplication(argc, argv);
}
