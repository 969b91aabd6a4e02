#include "progressdialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

class TestProgressDialog : public QObject
{
    Q_OBJECT

private slots:
    void showsTheStepAsABusyIndicator();
    void closeButtonAsksToCancelAndStaysOpen();
    void escapeAsksToCancelAndExecEndsOnlyWhenTheOwnerAccepts();
};

namespace {

QLabel *stepLabel(ProgressDialog &dialog)
{
    return dialog.findChild<QLabel *>("label");
}

}  // namespace

void TestProgressDialog::showsTheStepAsABusyIndicator()
{
    ProgressDialog dialog;
    dialog.setLabel("Reading...");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QCOMPARE(stepLabel(dialog)->text(), QString("Reading..."));
    QCOMPARE(dialog.windowTitle(), QString("Vexa Modulant"));
    QProgressBar *bar = dialog.findChild<QProgressBar *>("progressBar_2");
    QVERIFY(bar);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 0);
    QVERIFY(bar->text().isEmpty());  // no percentage
}

void TestProgressDialog::closeButtonAsksToCancelAndStaysOpen()
{
    ProgressDialog dialog;
    QSignalSpy canceled(&dialog, &ProgressDialog::canceled);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QVERIFY(!dialog.close());

    QCOMPARE(canceled.count(), 1);
    QCOMPARE(stepLabel(dialog)->text(), QString("Canceling..."));
    QVERIFY(dialog.isVisible());
}

void TestProgressDialog::escapeAsksToCancelAndExecEndsOnlyWhenTheOwnerAccepts()
{
    ProgressDialog dialog;
    QSignalSpy canceled(&dialog, &ProgressDialog::canceled);
    bool openAfterEscape = false;
    QTimer::singleShot(0, &dialog, [&] {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        // Let any close the Escape might have queued happen first.
        QTimer::singleShot(0, &dialog, [&] {
            openAfterEscape = dialog.isVisible();
            dialog.accept();
        });
    });

    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(openAfterEscape);
    QCOMPARE(canceled.count(), 1);
    QCOMPARE(stepLabel(dialog)->text(), QString("Canceling..."));  // keeps the last text
}

QTEST_MAIN(TestProgressDialog)
#include "tst_progressdialog.moc"
