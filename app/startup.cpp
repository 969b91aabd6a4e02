#include "startup.h"

#include "logowindow.h"
#include "mainwindow.h"

#include <QApplication>
#include <QIcon>

void setApplicationIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/zorvik_vexa.png"), QSize(32, 32), QIcon::Normal, QIcon::Off);
    QApplication::setWindowIcon(icon);
}

void showMainWindowAfterLogo(MainWindow &window)
{
    window.setTitleBase(QStringLiteral("%1 v%2").arg(window.titleBase(), QCoreApplication::applicationVersion()));
    auto *logo = new LogoWindow;  // deletes itself
    QObject::connect(logo, &QObject::destroyed, &window, &QWidget::show);
    logo->show();
}
