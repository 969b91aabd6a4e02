#include "d2xx.h"
#include "programmerdiscovery.h"
#include "settingstesthelpers.h"
#include "simulatedbackend.h"

#include <atomic>
#include <cstring>

class TestProgrammerDiscovery : public QObject
{
    Q_OBJECT

    SettingsTestBed bed;
    std::shared_ptr<SimulatedBackend> &backend = bed.backend;

private slots:
    void initTestCase() { QVERIFY(isolateSettings(bed.store)); }
    void cleanupTestCase() { letWidgetAnimationsEnd(); }
    void init() { bed.reset(); }

    void listsProgrammersThenSelectsTheStoredOne_data()
    {
        QTest::addColumn<QStringList>("attached");
        QTest::addColumn<QVariant>("position");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("sent");
        QTest::newRow("none") << QStringList() << QVariant() << "" << "" << "";
        QTest::newRow("one") << QStringList({"ZETA"}) << QVariant() << "" << "ZETA" << "ZETA";
        QTest::newRow("two, nothing stored") << QStringList({"ZETA", "ALPHA"}) << QVariant() << "" << "ZETA" << "ZETA";
        QTest::newRow("two, second stored") << QStringList({"ZETA", "ALPHA"}) << QVariant(1) << "" << "ALPHA" << "ALPHA";
        QTest::newRow("stored past the end") << QStringList({"ZETA"}) << QVariant(1) << "" << "" << "";
        QTest::newRow("negative stored") << QStringList({"ZETA", "ALPHA"}) << QVariant(-3) << "" << "ZETA" << "ZETA";
        // A programmer plugged in ahead of the chosen one moves it down the list.
        QTest::newRow("serial over position") << QStringList({"NEW", "ZETA"}) << QVariant(0) << "ZETA" << "ZETA" << "ZETA";
        QTest::newRow("stored serial not attached") << QStringList({"ZETA"}) << QVariant(0) << "GONE" << "" << "GONE";
    }

    void listsProgrammersThenSelectsTheStoredOne()
    {
        QFETCH(QStringList, attached);
        QFETCH(QVariant, position);
        QFETCH(QString, serial);
        QFETCH(QString, current);
        QFETCH(QString, sent);
        // Devices without an ID or a serial number are no programmers.
        backend->addListEntry(SimulatedBackend::node(0, "NO-ID"));
        backend->addListEntry(SimulatedBackend::node(SimulatedBackend::kDeviceId, ""));
        for (const QString &name : attached)
            backend->addProgrammer(name.toStdString());
        if (position.isValid())
            QSettings().setValue("gui/connection", position);
        if (!serial.isEmpty())
            QSettings().setValue("gui/connection_serial", serial);
        SettingsDialog dialog;
        SettingsForm form(dialog);
        QSignalSpy serials(&dialog, &SettingsDialog::serialNumberChanged);
        dialog.initialize();
        QVERIFY(form.waitForDiscovery());
        QCOMPARE(form.connection->count(), attached.size());
        QCOMPARE(form.connection->currentIndex(), attached.indexOf(current));
        // Nothing sent at all leaves the worker without a serial number too.
        QCOMPARE(lastSent(serials).toString(), sent);

        // A refresh drops the chosen entry at once; then the stored choice
        // applies again, not a choice made since the last Save.
        form.connection->setCurrentIndex(0);
        form.refresh->click();
        QCOMPARE(lastSent(serials).toString(), serial);
        QVERIFY(form.waitForDiscovery());
        QCOMPARE(form.connection->currentIndex(), attached.indexOf(current));
        QCOMPARE(lastSent(serials).toString(), sent);

        // Save remembers the serial number beside the position.
        if (!attached.isEmpty()) {
            form.connection->setCurrentIndex(attached.size() - 1);
            dialog.saveSettings();
            QCOMPARE(QSettings().value("gui/connection_serial").toString(), attached.last());
        }
    }

    // A driver may fill all sixteen serial bytes; a failing driver beside a
    // working one does not hide what the working one lists.
    void fullLengthSerialBesideAFailingDriver()
    {
        FT_DEVICE_LIST_INFO_NODE node = SimulatedBackend::node(SimulatedBackend::kDeviceId, "");
        std::memcpy(node.SerialNumber, "ABCDEFGHIJKLMNOP", sizeof node.SerialNumber);  // no terminating zero
        backend->addListEntry(node);
        auto broken = std::make_shared<SimulatedBackend>();
        broken->failListing(FT_OTHER_ERROR);
        d2xx::installBackend(broken);
        const QVector<ProgrammerInfo> found = discoverProgrammers();
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().serialNumber(), QString("ABCDEFGHIJKLMNOP"));
    }

    void refreshWhileDiscoveringIsIgnored_data()
    {
        QTest::addColumn<bool>("taskEnded");
        QTest::newRow("driver still listing") << false;
        QTest::newRow("task ended, result not yet taken") << true;
    }

    void refreshWhileDiscoveringIsIgnored()
    {
        QFETCH(bool, taskEnded);
        // Every listing waits at the driver until the test lets it pass.
        QSemaphore gate;
        std::atomic<int> listings{0};
        backend->setListingHook([&] {
            ++listings;
            gate.acquire();
        });
        SettingsDialog dialog;
        SettingsForm form(dialog);
        dialog.initialize();
        QVERIFY(QTest::qWaitFor([&] { return listings == 1; }));
        if (taskEnded) {
            gate.release();
            QThreadPool::globalInstance()->waitForDone();
        }
        QVERIFY(form.discovering());

        // The button is hidden meanwhile; only a program call can get here.
        QVERIFY(QMetaObject::invokeMethod(&dialog, "on_tb_connection_refresh_clicked"));
        gate.release(10);
        QVERIFY(form.waitForDiscovery());
        QThreadPool::globalInstance()->waitForDone();
        QCOMPARE(listings.load(), 1);
    }

    void destructionWaitsForARunningDiscovery()
    {
        std::atomic<bool> listed{false};
        backend->setListingHook([&listed] {
            QTest::qSleep(200);
            listed = true;
        });
        auto *dialog = new SettingsDialog;
        dialog->initialize();
        delete dialog;
        const bool listedFirst = listed;
        QThreadPool::globalInstance()->waitForDone();
        QVERIFY(listedFirst);
    }
};

QTEST_MAIN(TestProgrammerDiscovery)
#include "tst_programmerdiscovery.moc"
