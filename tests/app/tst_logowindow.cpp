#include "logowindow.h"

#include <QPointer>
#include <QtTest>

class TestLogoWindow : public QObject
{
    Q_OBJECT

private slots:
    void framelessAndDeletesItselfEvenIfNeverShown()
    {
        QPointer<LogoWindow> shown = new LogoWindow;
        QPointer<LogoWindow> hidden = new LogoWindow;
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QVERIFY(shown->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!(shown->windowFlags() & Qt::WindowTitleHint));
        QVERIFY(shown->testAttribute(Qt::WA_TranslucentBackground));

        QTRY_VERIFY_WITH_TIMEOUT(shown.isNull() && hidden.isNull(), 30000);
    }
};

QTEST_MAIN(TestLogoWindow)
#include "tst_logowindow.moc"
