#include "documenttab.h"

#include "edithistory.h"

#include <QFileInfo>

void DocumentTab::setFileName(const QString &fileName)
{
    fileName_ = fileName;
    emit captionChanged();
}

bool DocumentTab::isModified() const
{
    return !history()->isClean();
}

QString DocumentTab::caption() const
{
    QString text = name();
    if (!fileName_.isEmpty())
        text = tr("%1: %2").arg(text, QFileInfo(fileName_).fileName());
    return isModified() ? text + QLatin1Char('*') : text;
}

DocumentTab::~DocumentTab()
{
    if (watched_)
        watched_->disconnect(this);
}

void DocumentTab::watchHistory()
{
    watched_ = history();
    connect(history(), &QUndoStack::cleanChanged, this, &DocumentTab::captionChanged);
}
