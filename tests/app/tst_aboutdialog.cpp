#include "aboutdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestAboutDialog : public QObject
{
    Q_OBJECT

private slots:
    void showsTheVersionUnderItsLabelAndOkCloses()
    {
        QCoreApplication::setApplicationVersion("0.18");
        AboutDialog dialog;
        QCOMPARE(dialog.findChild<QLabel *>("l_version")->text(), QString("Program version:\n0.18"));

        QTimer::singleShot(0, &dialog, [&] {
            dialog.findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok)->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
