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
    void cancelAsksToStopAndStaysOpenUntilAccepted_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Escape") << true;
        QTest::newRow("close button") << false;
    }

    void cancelAsksToStopAndStaysOpenUntilAccepted()
    {
        QFETCH(bool, escape);
        ProgressDialog dialog;
        dialog.setLabel("Writing...");
        QSignalSpy canceled(&dialog, &ProgressDialog::canceled);
        bool openAfterCancel = false;
        QTimer::singleShot(0, &dialog, [&] {
            if (escape)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                dialog.close();
            // Let any close the cancel might have queued happen first.
            QTimer::singleShot(0, &dialog, [&] {
                openAfterCancel = dialog.isVisible();
                dialog.accept();
            });
        });

        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(openAfterCancel);
        QCOMPARE(canceled.count(), 1);
        QCOMPARE(dialog.findChild<QLabel *>("label")->text(), QString("Canceling..."));
        QCOMPARE(dialog.findChild<QProgressBar *>("progressBar_2")->maximum(), 0);  // busy, no percentage
    }
};

QTEST_MAIN(TestProgressDialog)
#include "tst_progressdialog.moc"
