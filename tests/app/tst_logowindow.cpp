#include "logowindow.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

class TestLogoWindow : public QObject
{
    Q_OBJECT

private slots:
    void isFramelessWithoutBackground();
    void deletesItselfEvenIfNeverShown();
};

void TestLogoWindow::isFramelessWithoutBackground()
{
    LogoWindow logo;
    logo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&logo));

    QVERIFY(logo.isWindow());
    QVERIFY(logo.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!(logo.windowFlags() & Qt::WindowTitleHint));
    QVERIFY(logo.testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(!logo.autoFillBackground());
    QCOMPARE(logo.size(), QSize(320, 320));
    QCOMPARE(logo.minimumSize(), QSize(320, 320));
    QCOMPARE(logo.maximumSize(), QSize(320, 320));
}

void TestLogoWindow::deletesItselfEvenIfNeverShown()
{
    QPointer<LogoWindow> shown = new LogoWindow;
    QPointer<LogoWindow> hidden = new LogoWindow;
    QSignalSpy destroyed(shown.data(), &QObject::destroyed);
    shown->show();

    QTRY_VERIFY_WITH_TIMEOUT(shown.isNull() && hidden.isNull(), 30000);
    QCOMPARE(destroyed.count(), 1);  // what shows the main window at start-up
}

QTEST_MAIN(TestLogoWindow)
#include "tst_logowindow.moc"
