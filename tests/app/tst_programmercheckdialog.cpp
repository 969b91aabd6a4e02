// Tools > Check programmer in the main window, against the simulated
// programmer chosen in the settings, sound and with its lines swapped: what
// the dialog shows of each step.

#include "programmercheckdialog.h"
#include "windowdriver.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QGridLayout>
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
            auto *steps = dialog->findChild<QGridLayout *>("gl_check_steps");
            const auto text = [steps](int row, int column) {
                return qobject_cast<QLabel *>(steps->itemAtPosition(row, column)->widget())->text();
            };
            for (int row = 0; row < steps->rowCount() && steps->itemAtPosition(row, 1); ++row)
                shown << text(row, 1) + "|" + text(row, 2) + "|" + text(row, 3);
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
