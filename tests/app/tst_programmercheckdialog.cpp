// Tools > Check programmer in the main window, against the simulated
// programmer chosen in the settings, sound and with its lines swapped: what
// the dialog shows of each step.

#include "programmercheckdialog.h"
#include "windowdriver.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

class TestProgrammerCheckDialog : public WindowTestBed
{
    Q_OBJECT

private slots:
    void init() { fresh(); }
    void cleanup() { drop(); }

    void showsEveryStepAndTheCause_data()
    {
        QTest::addColumn<bool>("swapped");
        QTest::addColumn<QStringList>("moduleStep");  // outcome, title, finding
        QTest::addColumn<QString>("status");
        QTest::newRow("swapped") << true
                                 << QStringList{"FAIL", "Module at 0x50",
                                                "The module answers only with SDA and SCL exchanged: the two lines are "
                                                "swapped. Exchange the wires at the module's pins 4 (SDA) and 5 (SCL)."}
                                 << "SIM0001: a step failed; its line says why and what to do.";
    }

    void showsEveryStepAndTheCause()
    {
        QFETCH(bool, swapped);
        QFETCH(QStringList, moduleStep);
        QFETCH(QString, status);
        ModuleSocket::Faults faults;
        faults.swapped = swapped;
        sim->board().setLineFaults(faults);
        openWindow();
        auto *dialog = window->findChild<ProgrammerCheckDialog *>();
        QSignalSpy checked(dialog, &ProgrammerCheckDialog::checked);
        QStringList shown;
        QString statusShown;
        QTimer::singleShot(0, this, [&] {
            if (!checked.count())
                checked.wait(10000);
            auto *steps = dialog->findChild<QTreeWidget *>("tw_check_steps");
            for (int i = 0; i < steps->topLevelItemCount(); ++i)
                shown << steps->topLevelItem(i)->text(0) + "|" + steps->topLevelItem(i)->text(1) + "|"
                             + steps->topLevelItem(i)->text(2);
            statusShown = dialog->findChild<QLabel *>()->text();
            dialog->reject();
        });
        window->findChild<QAction *>("action_check_programmer")->trigger();
        QCOMPARE(checked.count(), 1);
        QCOMPARE(shown.size(), 6);
        QCOMPARE(shown[3], moduleStep.join("|"));
        QCOMPARE(statusShown, status);
    }
};

QTEST_MAIN(TestProgrammerCheckDialog)
#include "tst_programmercheckdialog.moc"
