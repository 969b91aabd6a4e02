// The Russian catalogue against the program: which messages it holds, that
// every text the code translates has one, and that the embedded compiled
// catalogue translates them keeping what the code fills in or relies on.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

using Key = QPair<QString, QString>;  // context, source text

// Messages per context of the released catalogue, without the added ones below.
const QStringList kReleasedCounts = {"AboutDialog 4",  "DiagnosticsMonitor 12", "LogoWindow 1",      "MainWindow 61",
                                     "ModulePanel 8",  "ProgressDialog 2",      "SFPThread 16",      "SettingsDialog 12",
                                     "Sff 197",        "TableViewModel 1"};

// Messages that came with fixes of the program's own faults.
const QList<Key> kAddedMessages = {
    {"SFPThread", "Nothing written: the table holds %1 bytes, %2 are needed"},
    {"TableViewModel", "File is too large for an EEPROM image (more than %1 bytes): %2"},
    {"TableViewModel", "Couldn't read file: %1"},
    {"MainWindow", "Bytes read back don't match\n"},
    {"MainWindow", "Verify failed: the bytes read back differ from the buffer"},
};

// Shown in English in Russian too: names, masks, digits and file filters.
const QList<Key> kUntranslated = {
    {"SettingsDialog", "..."},      {"SettingsDialog", ">HH HH HH HH;_"}, {"SettingsDialog", "Zorvik 1"},
    {"SettingsDialog", "Zorvik 2"}, {"MainWindow", "Zorvik 1"},           {"MainWindow", "Zorvik 2"},
    {"MainWindow", "0000"},         {"MainWindow", "Binary (*.bin *)"},   {"MainWindow", "Binary (*.bin)"},
    {"ProgressDialog", "Vexa Modulant"},
    {"AboutDialog", "<p>Web shop:<br/><a href=\"https://shop.zorvik.tech\">shop.zorvik.tech</a></p>"},
};

// Wordings that are fixed, some mixing Cyrillic and Latin letters on purpose.
const char *const kFixedTranslations[][3] = {
    {"SettingsDialog", "Vexa Modulant - Settings", "Vexa Modulant - Настройки"},
    {"SettingsDialog", "L&anguage:", "&Язык:"},
    {"SettingsDialog", "&Password:", "&Пароль:"},
    {"SettingsDialog", "None", "Без пароля"},
    {"SettingsDialog", "Custom", "Пользовательский"},
    {"SettingsDialog", "&Connection:", "П&одключение:"},
    {"SettingsDialog", "C&RC:", "Проверка &КС:"},
    {"SettingsDialog", "Verify after programming", "Проверка после программирования"},
    {"MainWindow", "&New", "О&чистить"},
    {"MainWindow", "&Read", "&Вычитать"},
    {"MainWindow", "None", "Без пароля"},
    {"MainWindow", "A0 High", "A0 Верхняя"},
    {"MainWindow", "Spee&d, G:", "С&корость, Гбит/с:"},
    {"MainWindow", "&COPPER", "&\u0421OPPER"},              // Cyrillic first letter
    {"MainWindow", "&MMF(OM3)", "&\u041c\u041cF(OM3)"},     // Cyrillic first two letters
    {"MainWindow", "Checksum calculate: 0x%1\n", "Контрольная сумма рас" "c" /* Latin */ "читанная: 0x%1\n"},
    {"MainWindow", "Vexa Modulant - Error", "Vexa Modulant - Ошибка"},
    {"SFPThread", "Couldn't open ftdi with serial number: %1", "Не могу подключится к прибору с серийным номером %1"},
    {"SFPThread", "Time %1, Write(%2) to 0x%3%4\n", "Время %1, Записываем данные(%2) по адресу 0x%3%4\n"},
    {"SFPThread", ", with password", ", с паролем"},
    {"AboutDialog", "Program version:\n%1", "Версия программы:\n%1"},
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

    void holdsTheReleasedMessagesAndOneForEveryTextOfTheCode()
    {
        QMap<QString, int> counts;
        for (const Key &message : qAsConst(catalogue))
            counts[message.first] += kAddedMessages.contains(message) ? 0 : 1;
        QStringList released;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            released.append(it.key() + " " + QString::number(it.value()));
        QCOMPARE(released, kReleasedCounts);
        for (const Key &added : kAddedMessages)
            QVERIFY2(catalogue.contains(added), qPrintable("missing: " + added.second));

        // lupdate lists every text that the code translates.
        QTemporaryDir scratch;
        QStringList arguments = {"-silent", "-no-obsolete", "-locations", "none"};
        for (const char *folder : {"app", "editing", "image", "link", "moduleview", "settings", "sff", "simulator", "worker"})
            arguments.append(QStringLiteral(VEXA_SOURCE_DIR "/") + folder);
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
        for (const auto &fixed : kFixedTranslations)
            QCOMPARE(russian({fixed[0], fixed[1]}), QString::fromUtf8(fixed[2]));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
