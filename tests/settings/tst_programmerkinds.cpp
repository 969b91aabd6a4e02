// The programmer list with every kind in it: what each entry shows, the
// identity that goes out and is stored, and the CH341A's voltage warning,
// given once however often a CH341A is chosen.

#include "ch341adevices.h"
#include "i2cdevadapters.h"
#include "programmerwarning.h"
#include "settingstesthelpers.h"
#include "simulatedch341a.h"
#include "simulatedi2cdev.h"

class TestProgrammerKinds : public QObject
{
    Q_OBJECT

    SettingsTestBed bed;

private slots:
    void initTestCase() { QVERIFY(isolateSettings(bed.store)); }
    void cleanupTestCase() { letWidgetAnimationsEnd(); }

    void init()
    {
        bed.reset();
        bed.backend->addProgrammer("FT9ZXQ1");
        auto i2c = std::make_shared<SimulatedI2cDev>();
        i2c->addAdapter(7, "MCP2221 usb-i2c bridge", std::make_shared<SimulatedModule>());
        i2cdev::installSystem(i2c);
        auto usb = std::make_shared<SimulatedCh341aUsb>();
        usb->addBoard(2, {3}, std::make_shared<SimulatedModule>());
        ch341a::removeAllUsb();
        ch341a::installUsb(usb);
    }

    void cleanup()
    {
        i2cdev::removeSystem();
        ch341a::removeAllUsb();
    }

    void listsEveryKindAndStoresItsIdentity_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("current");
        QTest::newRow("FTDI chip") << "FT9ZXQ1" << 0;
        QTest::newRow("i2c-dev adapter") << "i2c-7" << 1;
        QTest::newRow("CH341A") << "CH341A@2-3" << 2;
    }

    void listsEveryKindAndStoresItsIdentity()
    {
        QFETCH(QString, stored);
        QFETCH(int, current);
        QSettings().setValue("gui/connection_serial", stored);
        SettingsDialog dialog;
        SettingsForm form(dialog);
        QSignalSpy identities(&dialog, &SettingsDialog::serialNumberChanged);
        QSignalSpy warnings(&dialog, &SettingsDialog::programmerWarning);
        dialog.initialize();
        QVERIFY(form.waitForDiscovery());
        QStringList entries;
        for (int i = 0; i < form.connection->count(); ++i)
            entries << form.connection->itemText(i);
        QCOMPARE(entries, QStringList({"FT9ZXQ1", "i2c-7: MCP2221 usb-i2c bridge", "CH341A 2-3"}));
        QCOMPARE(form.connection->currentIndex(), current);
        QCOMPARE(lastSent(identities).toString(), stored);
        QCOMPARE(warnings.count(), current == 2 ? 1 : 0);

        for (int round = 0; round < 2; ++round)
            for (int i = 0; i < form.connection->count(); ++i)
                form.connection->setCurrentIndex(i);
        QCOMPARE(warnings.count(), 1);
        QCOMPARE(warnings[0][0].toString(), ch341aVoltageWarning());

        form.connection->setCurrentIndex(1);
        dialog.saveSettings();
        QCOMPARE(QSettings().value("gui/connection_serial").toString(), QString("i2c-7"));
    }
};

QTEST_MAIN(TestProgrammerKinds)
#include "tst_programmerkinds.moc"
