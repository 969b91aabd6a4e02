#include "logowindow.h"
#include "mainwindow.h"
#include "programmerbackends.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Vexa Modulant"));
    QCoreApplication::setOrganizationName(QStringLiteral("Zorvik"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("zorvik.tech"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VEXA_VERSION).section(QLatin1Char('.'), 0, 1));

    QApplication app(argc, argv);

    QString problem;
    if (!installProgrammerBackends(&problem)) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 2;
    }

    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/zorvik_vexa.png"), QSize(32, 32), QIcon::Normal, QIcon::Off);
    QApplication::setWindowIcon(icon);

    MainWindow window;
    window.setWindowTitle(QStringLiteral("%1 v%2").arg(window.windowTitle(), QCoreApplication::applicationVersion()));

    // The logo deletes itself after two seconds; the main window follows it.
    auto *logo = new LogoWindow;
    QObject::connect(logo, &QObject::destroyed, &window, &QWidget::show);
    logo->show();

    window.initSettings();
    return QApplication::exec();
}
