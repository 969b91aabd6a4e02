#include "statuslook.h"

#include <QApplication>
#include <QStyle>

QIcon statusIcon(sff::Status status)
{
    switch (status) {
    case sff::Status::Ok:
        return QIcon();
    case sff::Status::Warning:
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    case sff::Status::Error:
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
    }
    return QIcon();
}

QBrush statusBrush(sff::Status status)
{
    switch (status) {
    case sff::Status::Ok:
        return QBrush();
    case sff::Status::Warning:
        return QColor(0xFF, 0xF0, 0xC2);
    case sff::Status::Error:
        return QColor(0xF8, 0xD2, 0xD5);
    }
    return QBrush();
}

QPalette statusPalette(QPalette palette, sff::Status status)
{
    const QBrush brush = statusBrush(status);
    if (brush.style() != Qt::NoBrush) {
        palette.setBrush(QPalette::Window, brush);
        palette.setColor(QPalette::WindowText, Qt::black);  // readable on the light background in dark themes too
    }
    return palette;
}

QPalette normalPalette(QPalette palette)
{
    palette.setColor(QPalette::Window, QColor(0xDC, 0xF2, 0xE0));
    palette.setColor(QPalette::WindowText, Qt::black);
    return palette;
}
