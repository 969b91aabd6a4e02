// The pictures compiled into the program. The test links vexa_resources and
// never calls Q_INIT_RESOURCE: the collection has to register itself, as it
// does in the application.

#include <QImage>
#include <QtTest>

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void pictures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        for (const char *name : {"new", "open", "save", "read", "write", "monitor", "series"})
            QTest::newRow(name) << QString(":/icons/%1.png").arg(name) << QSize(48, 48);
        QTest::newRow("refresh") << ":/icons/refresh.png" << QSize(24, 24);
        QTest::newRow("window icon") << ":/icons/zorvik_vexa.png" << QSize(35, 32);
        QTest::newRow("logo") << ":/images/zorvik_vexa_logo.png" << QSize(320, 320);
    }

    // A PNG of its size on a transparent ground: tool buttons and the
    // frameless logo window show what lies beneath.
    void pictures()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage image(path, "png");
        QCOMPARE(image.size(), size);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }
};

QTEST_GUILESS_MAIN(TestResources)
#include "tst_resources.moc"
