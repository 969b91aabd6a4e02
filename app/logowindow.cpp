#include "logowindow.h"
#include "ui_logowindow.h"

#include <QTimer>

LogoWindow::LogoWindow(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::LogoWindow)
{
    ui->setupUi(this);

    // Only the picture itself is seen: no frame, no title, no background.
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(Qt::FramelessWindowHint);
    setAutoFillBackground(false);

    QTimer::singleShot(kLifetimeMs, Qt::CoarseTimer, this, &QObject::deleteLater);
}

LogoWindow::~LogoWindow()
{
    delete ui;
}
