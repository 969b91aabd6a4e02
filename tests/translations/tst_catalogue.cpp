// The Russian catalogue against the program: which messages it holds, that
// every text the code translates has one, that translations keep what the
// code fills in or relies on, and that the embedded compiled catalogue is
// the one built from the source file.

#include "catalogue.h"

#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

using Key = QPair<QString, QString>;  // context, source text

const QString kCatalogueFile = QStringLiteral(VEXA_SOURCE_DIR "/resources/translations/ru.ts");

// Messages per context of the released catalogue.
const QMap<QString, int> kReleasedCounts = {
    {"MainWindow", 55}, {"SFPThread", 16},    {"SettingsDialog", 12}, {"AboutDialog", 4},
    {"ProgressDialog", 2}, {"LogoWindow", 1}, {"TableViewModel", 1},
};

// Messages that came with fixes of the program's own faults, on top of those.
const QList<Key> kAddedMessages = {
    {"SFPThread", "Nothing written: the table holds %1 bytes, %2 are needed"},
    {"TableViewModel", "File is too large for an EEPROM image (more than %1 bytes): %2"},
    {"TableViewModel", "Couldn't read file: %1"},
    {"MainWindow", "Bytes read back don't match\n"},
    {"MainWindow", "Verify failed: the bytes read back differ from the buffer"},
};

// Shown in English in Russian too: names, masks, digits and file filters.
const QSet<Key> kUntranslated = {
    {"SettingsDialog", "..."},
    {"SettingsDialog", ">HH HH HH HH;_"},
    {"SettingsDialog", "Zorvik 1"},
    {"SettingsDialog", "Zorvik 2"},
    {"MainWindow", "Zorvik 1"},
    {"MainWindow", "Zorvik 2"},
    {"MainWindow", "0000"},
    {"MainWindow", "Binary (*.bin *)"},
    {"MainWindow", "Binary (*.bin)"},
    {"ProgressDialog", "Vexa Modulant"},
    {"AboutDialog", "<p>Web shop:<br/><a href=\"https://shop.zorvik.tech\">shop.zorvik.tech</a></p>"},
};

// Folders whose sources and forms hold the texts the operator sees.
const QStringList kSourceFolders = {"app", "editing", "image", "link", "settings", "simulator", "worker"};

QStringList placeholders(const QString &text)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression("%\\d+").globalMatch(text);
    while (it.hasNext())
        found.append(it.next().captured());
    found.sort();
    return found;
}

QStringList links(const QString &text)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression("<a [^>]*>.*?</a>").globalMatch(text);
    while (it.hasNext())
        found.append(it.next().captured());
    return found;
}

// Accelerator marks: an "&" not written as "&&".
int accelerators(const QString &text)
{
    return text.count(QRegularExpression("(?<!&)&(?!&)"));
}

QString describe(const CatalogueMessage &m)
{
    return m.context + " \"" + QString(m.source).replace('\n', "\\n") + "\" -> \""
           + QString(m.translation).replace('\n', "\\n") + "\"";
}

}  // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void holdsTheReleasedMessagesAndTheAddedOnes();
    void everyTranslatedTextOfTheCodeHasAMessage();
    void translationsKeepPlaceholdersLineBreaksMarksAndLinks();
    void untranslatedMessagesAreLeftOutOfTheCompiledCatalogue();
    void embeddedCatalogueIsTheCompiledSource();
    void fixedTranslations_data();
    void fixedTranslations();

private:
    QList<CatalogueMessage> messages;
    QTranslator embedded;
};

void TestCatalogue::initTestCase()
{
    QString problem;
    messages = readCatalogue(kCatalogueFile, &problem);
    QVERIFY2(!messages.isEmpty(), qPrintable(problem));
    QVERIFY(embedded.load(QStringLiteral(":/translations/ru.qm"), QString()));
}

void TestCatalogue::holdsTheReleasedMessagesAndTheAddedOnes()
{
    QMap<QString, int> counts;
    QSet<Key> keys;
    for (const CatalogueMessage &m : qAsConst(messages)) {
        QVERIFY2(!keys.contains({m.context, m.source}), qPrintable("twice: " + describe(m)));
        keys.insert({m.context, m.source});
        if (!kAddedMessages.contains({m.context, m.source}))
            ++counts[m.context];
    }
    QCOMPARE(counts.keys(), kReleasedCounts.keys());
    for (auto it = kReleasedCounts.cbegin(); it != kReleasedCounts.cend(); ++it)
        QVERIFY2(counts.value(it.key()) == it.value(),
                 qPrintable(QStringLiteral("%1 holds %2 messages").arg(it.key()).arg(counts.value(it.key()))));
    for (const Key &added : kAddedMessages)
        QVERIFY2(keys.contains(added), qPrintable("missing: " + added.first + " " + added.second));
}

void TestCatalogue::everyTranslatedTextOfTheCodeHasAMessage()
{
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString scanned = scratch.filePath("scan.ts");
    QStringList arguments = {"-silent", "-no-obsolete", "-locations", "none"};
    for (const QString &folder : kSourceFolders)
        arguments.append(QStringLiteral(VEXA_SOURCE_DIR "/") + folder);
    arguments << "-ts" << scanned;

    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(VEXA_LUPDATE), arguments);
    QVERIFY2(lupdate.waitForFinished(120000), qPrintable(lupdate.errorString()));
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
             lupdate.readAll().constData());

    QString problem;
    const QList<CatalogueMessage> inCode = readCatalogue(scanned, &problem);
    QVERIFY2(!inCode.isEmpty(), qPrintable(problem));

    QSet<Key> catalogue;
    for (const CatalogueMessage &m : qAsConst(messages))
        catalogue.insert({m.context, m.source});
    QStringList missing;
    for (const CatalogueMessage &m : inCode) {
        if (!catalogue.contains({m.context, m.source}))
            missing.append(m.context + " \"" + QString(m.source).replace('\n', "\\n") + "\"");
    }
    QVERIFY2(missing.isEmpty(), qPrintable("no message for: " + missing.join(", ")));
}

void TestCatalogue::translationsKeepPlaceholdersLineBreaksMarksAndLinks()
{
    for (const CatalogueMessage &m : qAsConst(messages)) {
        if (m.unfinished)
            continue;
        const QString what = describe(m);
        QVERIFY2(!m.translation.isEmpty(), qPrintable("empty: " + what));
        QVERIFY2(placeholders(m.translation) == placeholders(m.source), qPrintable("placeholders: " + what));
        QVERIFY2(m.translation.count('\n') == m.source.count('\n'), qPrintable("line breaks: " + what));
        QVERIFY2(m.translation.endsWith('\n') == m.source.endsWith('\n'), qPrintable("trailing break: " + what));
        QVERIFY2(accelerators(m.translation) == accelerators(m.source), qPrintable("accelerator: " + what));
        QVERIFY2(links(m.translation) == links(m.source), qPrintable("link markup: " + what));
    }
}

void TestCatalogue::untranslatedMessagesAreLeftOutOfTheCompiledCatalogue()
{
    QSet<Key> untranslated;
    for (const CatalogueMessage &m : qAsConst(messages)) {
        if (m.unfinished) {
            QVERIFY2(m.translation.isEmpty(), qPrintable(describe(m)));
            untranslated.insert({m.context, m.source});
        }
    }
    QCOMPARE(untranslated, kUntranslated);
    for (const Key &key : kUntranslated)
        QCOMPARE(embedded.translate(qPrintable(key.first), key.second.toUtf8().constData()), QString());
}

void TestCatalogue::embeddedCatalogueIsTheCompiledSource()
{
    for (const CatalogueMessage &m : qAsConst(messages)) {
        if (m.unfinished)
            continue;
        QVERIFY2(embedded.translate(qPrintable(m.context), m.source.toUtf8().constData()) == m.translation,
                 qPrintable("not embedded: " + describe(m)));
    }
}

// Wordings that are fixed, some mixing Cyrillic and Latin letters on purpose.
void TestCatalogue::fixedTranslations_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("russian");

    const auto row = [](const char *context, const char *source, const char *russian) {
        QTest::addRow("%s %s", context, qPrintable(QString(source).replace('\n', "\\n")))
            << QString(context) << QString::fromUtf8(source) << QString::fromUtf8(russian);
    };
    row("SettingsDialog", "Vexa Modulant - Settings", "Vexa Modulant - Настройки");
    row("SettingsDialog", "L&anguage:", "&Язык:");
    row("SettingsDialog", "&Password:", "&Пароль:");
    row("SettingsDialog", "None", "Без пароля");
    row("SettingsDialog", "Custom", "Пользовательский");
    row("SettingsDialog", "&Connection:", "П&одключение:");
    row("SettingsDialog", "C&RC:", "Проверка &КС:");
    row("SettingsDialog", "Verify after programming", "Проверка после программирования");
    row("MainWindow", "&New", "О&чистить");
    row("MainWindow", "&Read", "&Вычитать");
    row("MainWindow", "None", "Без пароля");
    row("MainWindow", "A0 High", "A0 Верхняя");
    row("MainWindow", "Spee&d, G:", "С&корость, Гбит/с:");
    row("MainWindow", "&COPPER", "&\u0421OPPER");  // Cyrillic first letter
    row("MainWindow", "&MMF(OM3)", "&\u041c\u041cF(OM3)");  // Cyrillic first two letters
    row("MainWindow", "Checksum calculate: 0x%1\n", "Контрольная сумма рас" "c" /* Latin */ "читанная: 0x%1\n");
    row("MainWindow", "Vexa Modulant - Error", "Vexa Modulant - Ошибка");
    row("SFPThread", "Couldn't open ftdi with serial number: %1", "Не могу подключится к прибору с серийным номером %1");
    row("SFPThread", "Time %1, Write(%2) to 0x%3%4\n", "Время %1, Записываем данные(%2) по адресу 0x%3%4\n");
    row("SFPThread", ", with password", ", с паролем");
    row("AboutDialog", "Program version:\n%1", "Версия программы:\n%1");
}

void TestCatalogue::fixedTranslations()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, russian);
    QCOMPARE(embedded.translate(qPrintable(context), source.toUtf8().constData()), russian);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
