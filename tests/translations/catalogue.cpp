#include "catalogue.h"

#include <QFile>
#include <QXmlStreamReader>

QList<CatalogueMessage> readCatalogue(const QString &fileName, QString *problem)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = fileName + ": " + file.errorString();
        return {};
    }

    QList<CatalogueMessage> messages;
    QString context;
    CatalogueMessage message;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = CatalogueMessage{context, {}, {}, false};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            message.translation = xml.readElementText();
            messages.append(message);
        }
    }
    if (xml.hasError()) {
        *problem = QStringLiteral("%1:%2: %3").arg(fileName).arg(xml.lineNumber()).arg(xml.errorString());
        return {};
    }
    return messages;
}
