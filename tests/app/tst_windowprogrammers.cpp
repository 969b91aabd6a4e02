// The window with programmers other than FTDI chips: a read and a verified
// write through an i2c-dev adapter and through a CH341A, and the CH341A's
// voltage warning, shown once however much the board is used.

#include "isolatedsettings.h"
#include "programmerwarning.h"
#include "samplemodule.h"
#include "simulatorfixture.h"
#include "windowdriver.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(SimulatorFixture::Kind)

class TestWindowProgrammers : public QObject
{
    Q_OBJECT

    QTemporaryDir store;

private slots:
    void initTestCase() { QVERIFY(isolateSettings(store)); }
    void cleanupTestCase() { letWidgetAnimationsEnd(); }

    void readAndWriteThroughEachKind_data()
    {
        QTest::addColumn<SimulatorFixture::Kind>("kind");
        QTest::newRow("i2c-dev adapter") << SimulatorFixture::Kind::I2cDev;
        QTest::newRow("CH341A") << SimulatorFixture::Kind::Ch341a;
    }

    void readAndWriteThroughEachKind()
    {
        QFETCH(SimulatorFixture::Kind, kind);
        QSettings().clear();
        SimulatorFixture sim(kind);
        setModuleImage(*sim.module, sampleModuleImage());
        ModalAnswerer answers;
        MainWindow window;
        WindowDriver ui(window);
        window.show();
        window.initSettings();
        QVERIFY(ui.waitForProgrammers(1));

        QVERIFY(ui.transfer(ui.readButton));
        QCOMPARE(ui.currentModel()->buffer().left(128), sim.memory(0x50, 0, 128));
        TableViewModel *model = ui.currentModel();
        model->setData(model->index(2, 0), "5A", Qt::EditRole);
        QVERIFY(ui.transfer(ui.writeButton));
        QCOMPARE(sim.memory(0x50, 0, 128), model->buffer().left(128));
        QVERIFY(ui.log->toPlainText().contains("Read(" + sim.identity() + ")"));  // the verify
        QVERIFY(ui.log->toPlainText().endsWith("Succesfull write\n\n"));

        const bool ch341a = kind == SimulatorFixture::Kind::Ch341a;
        QCOMPARE(answers.boxTexts, ch341a ? QStringList{ch341aVoltageWarning()} : QStringList());
    }
};

QTEST_MAIN(TestWindowProgrammers)
#include "tst_windowprogrammers.moc"
