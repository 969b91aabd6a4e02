#include "mainwindow.h"
#include "programmerbackends.h"
#include "startup.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    setApplicationIdentity();
    QApplication app(argc, argv);

    QString problem;
    if (!installProgrammerBackends(&problem)) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 2;
    }
    setApplicationIcon();

    MainWindow window;
    showMainWindowAfterLogo(window);
    window.initSettings();  // discovery starts while the logo is up
    return QApplication::exec();
}
