#pragma once
// Reads a Qt Linguist source file (.ts) into its messages.

#include <QList>
#include <QString>

struct CatalogueMessage {
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
};

// Empty on a file that cannot be read; *problem then says why.
QList<CatalogueMessage> readCatalogue(const QString &fileName, QString *problem);
