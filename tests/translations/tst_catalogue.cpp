// The Russian catalogue against the program: every text the code translates
// has a message, and the embedded compiled catalogue translates them keeping
// what the code fills in or relies on.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

using Key = QPair<QString, QString>;  // context, source text

// Shown in English in Russian too: names, masks, digits and file filters.
const QList<Key> kUntranslated = {
    {"SettingsDialog", "..."},      {"SettingsDialog", ">HH HH HH HH;_"}, {"SettingsDialog", "Zorvik 1"},
    {"SettingsDialog", "Zorvik 2"}, {"MainWindow", "Zorvik 1"},           {"MainWindow", "Zorvik 2"},
    {"MainWindow", "0000"},         {"MainWindow", "Binary (*.bin *)"},   {"MainWindow", "Binary (*.bin)"},
    {"ProgressDialog", "Vexa Modulant"},
    {"AboutDialog", "<p>Web shop:<br/><a href=\"https://shop.zorvik.tech\">shop.zorvik.tech</a></p>"},
};

// The messages of a Qt Linguist source file; empty if it cannot be read whole.
QList<Key> messagesOf(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Key> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            messages.append({context, xml.readElementText()});
    }
    return xml.hasError() ? QList<Key>() : messages;
}

// What a translation must keep of its source: placeholders, link markup,
// the accelerator mark and the line breaks, the trailing one above all.
QStringList kept(const QString &text)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression("%\\d+|<a [^>]*>.*?</a>|(?<!&)&(?!&)").globalMatch(text);
    while (it.hasNext())
        found.append(it.next().captured());
    found.sort();
    found.append(QStringLiteral("%1 line breaks, trailing: %2").arg(text.count('\n')).arg(text.endsWith('\n')));
    return found;
}

}  // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

    QList<Key> catalogue;
    QTranslator embedded;

    QString russian(const Key &message) const
    {
        return embedded.translate(qPrintable(message.first), message.second.toUtf8().constData());
    }

private slots:
    void initTestCase()
    {
        catalogue = messagesOf(QStringLiteral(VEXA_SOURCE_DIR "/resources/translations/ru.ts"));
        QVERIFY(!catalogue.isEmpty());
        QVERIFY(embedded.load(QStringLiteral(":/translations/ru.qm"), QString()));
    }

    void holdsAMessageForEveryTextOfTheCode()
    {
        // lupdate lists every text that the code translates, in every folder
        // of the program's sources.
        QTemporaryDir scratch;
        QStringList arguments = {"-silent", "-no-obsolete", "-locations", "none"};
        const QDir root(QStringLiteral(VEXA_SOURCE_DIR));
        for (const QString &folder : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (!folder.startsWith(QLatin1String("build")) && folder != QLatin1String("tests")
                && root.exists(folder + QStringLiteral("/CMakeLists.txt")))
                arguments.append(root.filePath(folder));
        arguments << "-ts" << scratch.filePath("code.ts");
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(VEXA_LUPDATE), arguments);
        QVERIFY2(lupdate.waitForFinished(120000) && lupdate.exitCode() == 0, lupdate.readAll().constData());
        const QList<Key> inCode = messagesOf(scratch.filePath("code.ts"));
        QVERIFY(!inCode.isEmpty());
        QStringList missing;
        for (const Key &text : inCode)
            if (!catalogue.contains(text))
                missing.append(text.first + " \"" + text.second + "\"");
        QVERIFY2(missing.isEmpty(), qPrintable("no message for: " + missing.join(", ")));
    }

    void embeddedTranslationsKeepWhatTheCodeReliesOn()
    {
        for (const Key &message : qAsConst(catalogue)) {
            const QString translation = russian(message);
            const QString what = message.first + " \"" + message.second + "\" -> \"" + translation + "\"";
            if (kUntranslated.contains(message)) {
                QVERIFY2(translation.isEmpty(), qPrintable("should stay English: " + what));
            } else {
                QVERIFY2(!translation.isEmpty(), qPrintable("untranslated: " + what));
                QVERIFY2(kept(translation) == kept(message.second), qPrintable(what));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
