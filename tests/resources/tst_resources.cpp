// The test links vexa_resources and never calls Q_INIT_RESOURCE: the resource
// collection has to register itself, as it does in the application.

#include <QImage>
#include <QImageReader>
#include <QLocale>
#include <QResource>
#include <QSize>
#include <QTranslator>
#include <QtTest>

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void pictures_data();
    void pictures();
    void russianCatalogue();
};

void TestResources::pictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    QTest::newRow("new") << ":/icons/new.png" << QSize(48, 48);
    QTest::newRow("open") << ":/icons/open.png" << QSize(48, 48);
    QTest::newRow("save") << ":/icons/save.png" << QSize(48, 48);
    QTest::newRow("read") << ":/icons/read.png" << QSize(48, 48);
    QTest::newRow("write") << ":/icons/write.png" << QSize(48, 48);
    QTest::newRow("monitor") << ":/icons/monitor.png" << QSize(48, 48);
    QTest::newRow("series") << ":/icons/series.png" << QSize(48, 48);
    QTest::newRow("refresh") << ":/icons/refresh.png" << QSize(24, 24);
    QTest::newRow("window icon") << ":/icons/zorvik_vexa.png" << QSize(35, 32);
    QTest::newRow("logo") << ":/images/zorvik_vexa_logo.png" << QSize(320, 320);
}

// Each picture is a PNG of its stated size, drawn on a transparent ground
// (tool buttons and the frameless logo window show what lies beneath), stored
// uncompressed and found whatever the locale.
void TestResources::pictures()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);

    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);

    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0);
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) >= 128)
                ++drawn;
        }
    }
    QVERIFY2(drawn * 10 > image.width() * image.height(),
             qPrintable(QStringLiteral("only %1 pixels drawn").arg(drawn)));

    const QResource resource(path);
    QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);
    QVERIFY(QResource(path, QLocale(QLocale::Russian, QLocale::Russia)).isValid());
    QVERIFY(QResource(path, QLocale::c()).isValid());
}

// Loaded the way the settings dialog switches language: the file named after
// the locale's BCP 47 name, from an empty directory.
void TestResources::russianCatalogue()
{
#ifndef VEXA_HAS_RU_CATALOGUE
    QSKIP("no resources/translations/ru.ts in the tree, so no Russian catalogue is built");
#else
    const QString file = QStringLiteral(":/translations/%1.qm").arg(QLocale(QStringLiteral("ru")).bcp47Name());
    QCOMPARE(file, QStringLiteral(":/translations/ru.qm"));
    QCOMPARE(QResource(file).compressionAlgorithm(), QResource::NoCompression);

    QTranslator translator;
    QVERIFY(translator.load(file, QString()));
    QVERIFY(!translator.isEmpty());
    QCOMPARE(translator.translate("SettingsDialog", "L&anguage:"), QStringLiteral("&Язык:"));
    QVERIFY(QFile::exists(QStringLiteral(":/translations/ru.qm")));
    QVERIFY(!QFile::exists(QStringLiteral(":/translations/en.qm")));
#endif
}

QTEST_GUILESS_MAIN(TestResources)
#include "tst_resources.moc"
