#include "d2xx.h"
#include "programmerdiscovery.h"
#include "settingstesthelpers.h"
#include "simulatedbackend.h"

#include <QSemaphore>
#include <QThreadPool>

#include <atomic>
#include <cstring>
#include <memory>
#include <thread>

namespace {

QStringList serialsOf(const QVector<ProgrammerInfo> &programmers)
{
    QStringList serials;
    for (const ProgrammerInfo &info : programmers)
        serials << info.serialNumber();
    return serials;
}

QStringList entriesOf(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

QStringList sentTexts(const QSignalSpy &spy)
{
    QStringList texts;
    for (const QList<QVariant> &arguments : spy)
        texts << arguments.at(0).toString();
    return texts;
}

// Holds every listing at the driver until released, and counts them.
struct ListingGate {
    QSemaphore open;
    std::atomic<int> listings{0};
    std::atomic<bool> passed{false};

    std::function<void()> hook()
    {
        return [this] {
            ++listings;
            open.acquire();
            passed = true;
        };
    }
};

}  // namespace

class TestProgrammerDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void listsUsableDevicesInDriverOrder();
    void failingDriverGivesNoProgrammers();
    void listsTheWorkingBackendWhenAnotherFails();
    void keepsAFullLengthSerialNumber();

    void selectsTheStoredPositionOnceAllEntriesAreIn_data();
    void selectsTheStoredPositionOnceAllEntriesAreIn();
    void entriesCarryTheDriversRecords();
    void refreshClearsThenSendsTheStoredSerialAgain();
    void showsTheBusyBarWhileDiscovering();
    void refreshDuringADiscoveryIsIgnored();
    void refreshBeforeTheResultIsTakenIsIgnored();
    void destructionWaitsForARunningDiscovery();

private:
    QTemporaryDir store;
    std::shared_ptr<SimulatedBackend> backend;
};

void TestProgrammerDiscovery::initTestCase()
{
    QVERIFY(isolateSettings(store));
}

void TestProgrammerDiscovery::cleanupTestCase()
{
    letWidgetAnimationsEnd();
}

void TestProgrammerDiscovery::init()
{
    QSettings().clear();
    backend = std::make_shared<SimulatedBackend>();
    d2xx::installBackend(backend);
}

void TestProgrammerDiscovery::cleanup()
{
    d2xx::removeAllBackends();
    backend.reset();
}

void TestProgrammerDiscovery::listsUsableDevicesInDriverOrder()
{
    QVERIFY(discoverProgrammers().isEmpty());

    backend->addProgrammer("ZETA");
    backend->addListEntry(SimulatedBackend::node(0, "NO-ID"));
    backend->addProgrammer("ALPHA");
    backend->addListEntry(SimulatedBackend::node(SimulatedBackend::kDeviceId, ""));
    backend->addProgrammer("MIDDLE");

    QCOMPARE(serialsOf(discoverProgrammers()), QStringList({"ZETA", "ALPHA", "MIDDLE"}));
}

void TestProgrammerDiscovery::failingDriverGivesNoProgrammers()
{
    backend->addProgrammer("PROG-A");
    backend->failListing(FT_IO_ERROR);
    QVERIFY(discoverProgrammers().isEmpty());
}

void TestProgrammerDiscovery::listsTheWorkingBackendWhenAnotherFails()
{
    auto broken = std::make_shared<SimulatedBackend>();
    broken->addProgrammer("BROKEN");
    broken->failListing(FT_OTHER_ERROR);
    d2xx::installBackend(broken);
    backend->addProgrammer("WORKING");

    QCOMPARE(serialsOf(discoverProgrammers()), QStringList({"WORKING"}));
}

void TestProgrammerDiscovery::keepsAFullLengthSerialNumber()
{
    FT_DEVICE_LIST_INFO_NODE node = SimulatedBackend::node(SimulatedBackend::kDeviceId, "");
    std::memcpy(node.SerialNumber, "ABCDEFGHIJKLMNOP", sizeof node.SerialNumber);  // no terminating zero
    backend->addListEntry(node);

    QCOMPARE(serialsOf(discoverProgrammers()), QStringList({"ABCDEFGHIJKLMNOP"}));
}

void TestProgrammerDiscovery::selectsTheStoredPositionOnceAllEntriesAreIn_data()
{
    QTest::addColumn<QStringList>("attached");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("current");

    QTest::newRow("none attached") << QStringList() << QVariant() << QString();
    QTest::newRow("one, nothing stored") << QStringList({"PROG-A"}) << QVariant() << "PROG-A";
    QTest::newRow("two, nothing stored") << QStringList({"PROG-A", "PROG-B"}) << QVariant() << "PROG-A";
    QTest::newRow("two, second stored") << QStringList({"PROG-A", "PROG-B"}) << QVariant(1) << "PROG-B";
    QTest::newRow("stored past the end") << QStringList({"PROG-A"}) << QVariant(1) << QString();
    QTest::newRow("negative stored") << QStringList({"PROG-A", "PROG-B"}) << QVariant(-3) << "PROG-A";
}

void TestProgrammerDiscovery::selectsTheStoredPositionOnceAllEntriesAreIn()
{
    QFETCH(QStringList, attached);
    QFETCH(QVariant, stored);
    QFETCH(QString, current);
    for (const QString &serial : attached)
        backend->addProgrammer(serial.toStdString());
    backend->addListEntry(SimulatedBackend::node(0, "NO-ID"));
    if (stored.isValid())
        QSettings().setValue("gui/connection", stored);

    SettingsDialog dialog;
    SettingsForm form(dialog);
    QSignalSpy serials(&dialog, &SettingsDialog::serialNumberChanged);
    dialog.initialize();
    QVERIFY(form.waitForDiscovery());

    QCOMPARE(entriesOf(form.connection), attached);
    QCOMPARE(form.connection->currentText(), current);
    QCOMPARE(form.connection->currentIndex() >= 0, !current.isEmpty());
    if (!attached.isEmpty())
        QCOMPARE(lastText(serials), current);
    else
        QCOMPARE(sentTexts(serials).join(""), QString());  // nothing but empty serial numbers
}

void TestProgrammerDiscovery::entriesCarryTheDriversRecords()
{
    backend->addProgrammer("PROG-A");
    backend->addProgrammer("PROG-B");
    SettingsDialog dialog;
    SettingsForm form(dialog);
    dialog.initialize();
    QVERIFY(form.waitForDiscovery());

    std::vector<FT_DEVICE_LIST_INFO_NODE> nodes;
    QCOMPARE(backend->listDevices(nodes), FT_OK);
    QCOMPARE(form.connection->count(), 2);
    for (int i = 0; i < 2; ++i) {
        const ProgrammerInfo *info = form.connection->itemData(i).value<ProgrammerInfo *>();
        QVERIFY(info);
        QCOMPARE(info->serialNumber(), form.connection->itemText(i));
        QCOMPARE(info->node().ID, nodes[i].ID);
        QCOMPARE(info->node().LocId, nodes[i].LocId);
        QCOMPARE(QByteArray(info->node().Description), QByteArray(nodes[i].Description));
        QVERIFY(form.connection->itemIcon(i).isNull());
    }
}

void TestProgrammerDiscovery::refreshClearsThenSendsTheStoredSerialAgain()
{
    backend->addProgrammer("PROG-A");
    backend->addProgrammer("PROG-B");
    QSettings().setValue("gui/connection", 1);
    SettingsDialog dialog;
    SettingsForm form(dialog);
    dialog.initialize();
    QVERIFY(form.waitForDiscovery());
    // A choice made since the last Save is not kept across a refresh.
    form.connection->setCurrentIndex(0);

    QSignalSpy serials(&dialog, &SettingsDialog::serialNumberChanged);
    form.refresh->click();
    QVERIFY(form.waitForDiscovery());

    QVERIFY(serials.count() >= 2);
    QCOMPARE(serials.first().at(0).toString(), QString());
    QCOMPARE(lastText(serials), QString("PROG-B"));
    QCOMPARE(entriesOf(form.connection), QStringList({"PROG-A", "PROG-B"}));
}

void TestProgrammerDiscovery::showsTheBusyBarWhileDiscovering()
{
    backend->addProgrammer("PROG-A");
    ListingGate gate;
    backend->setListingHook(gate.hook());
    SettingsDialog dialog;
    SettingsForm form(dialog);
    QVERIFY(!form.busyBar->isHidden() && !form.connection->isHidden() && !form.refresh->isHidden());

    dialog.initialize();
    QVERIFY(form.discovering());
    QTest::qWait(20);  // events flow while the driver is busy
    QVERIFY(form.discovering());

    gate.open.release();
    QVERIFY(form.waitForDiscovery());
    QVERIFY(form.busyBar->isHidden());
    QVERIFY(!form.connection->isHidden() && !form.refresh->isHidden());
    QCOMPARE(form.connection->currentText(), QString("PROG-A"));
}

void TestProgrammerDiscovery::refreshDuringADiscoveryIsIgnored()
{
    backend->addProgrammer("PROG-A");
    backend->addProgrammer("PROG-B");
    ListingGate gate;
    backend->setListingHook(gate.hook());
    SettingsDialog dialog;
    SettingsForm form(dialog);
    dialog.initialize();
    QVERIFY(QTest::qWaitFor([&] { return gate.listings == 1; }));

    // The button is hidden meanwhile; only a program call can get here.
    QVERIFY(QMetaObject::invokeMethod(&dialog, "on_tb_connection_refresh_clicked"));
    gate.open.release(10);
    QVERIFY(form.waitForDiscovery());
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();

    QCOMPARE(gate.listings.load(), 1);
    QCOMPARE(entriesOf(form.connection), QStringList({"PROG-A", "PROG-B"}));
}

void TestProgrammerDiscovery::refreshBeforeTheResultIsTakenIsIgnored()
{
    backend->addProgrammer("PROG-A");
    ListingGate gate;
    gate.open.release(10);
    backend->setListingHook(gate.hook());
    SettingsDialog dialog;
    SettingsForm form(dialog);
    dialog.initialize();
    // The task is over, but its finished report has not been handled yet.
    QThreadPool::globalInstance()->waitForDone();
    QVERIFY(form.discovering());

    QVERIFY(QMetaObject::invokeMethod(&dialog, "on_tb_connection_refresh_clicked"));
    QVERIFY(form.waitForDiscovery());
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();

    QCOMPARE(gate.listings.load(), 1);
    QCOMPARE(entriesOf(form.connection), QStringList({"PROG-A"}));
}

void TestProgrammerDiscovery::destructionWaitsForARunningDiscovery()
{
    backend->addProgrammer("PROG-A");
    ListingGate gate;
    backend->setListingHook(gate.hook());
    auto *dialog = new SettingsDialog;
    dialog->initialize();
    QVERIFY(QTest::qWaitFor([&] { return gate.listings == 1; }));

    std::thread opener([&gate] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        gate.open.release();
    });
    delete dialog;
    const bool listingPassed = gate.passed;
    opener.join();

    QVERIFY(listingPassed);
}

QTEST_MAIN(TestProgrammerDiscovery)
#include "tst_programmerdiscovery.moc"
