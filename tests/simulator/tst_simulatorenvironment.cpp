// VEXA_SIMULATOR: the simulated programmer for trying the tool without
// hardware, with the sample module or a module kept in a file.

#include "ftdii2c.h"
#include "samplemodule.h"
#include "simulatedbackend.h"
#include "simulatorenvironment.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

quint8 checkCode(const QByteArray &bytes, int from, int to)
{
    quint8 sum = 0;
    for (int i = from; i < to; ++i)
        sum = static_cast<quint8>(sum + static_cast<quint8>(bytes[i]));
    return sum;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Writes one byte to the module through the D2XX calls, as a job would.
void writeOneByte(std::uint8_t device, std::uint8_t address, std::uint8_t value)
{
    FtdiI2c port;
    port.reset();
    QVERIFY(port.open(kSimulatorSerialNumber));
    QCOMPARE(port.selectWrite(device), 0);
    port.writeByte(address);
    port.writeByte(value);
    port.stop();
    port.close();
}

}  // namespace

class TestSimulatorEnvironment : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

private slots:
    void cleanup() { d2xx::removeAllBackends(); }

    void offUnlessSet()
    {
        for (const QString &value : {QString(), QStringLiteral("0")}) {
            const SimulatorSetup setup = simulatorFor(value);
            QVERIFY(!setup.backend);
            QVERIFY(setup.error.isEmpty());
        }
    }

    void oneAttachesTheSampleModule()
    {
        const SimulatorSetup setup = simulatorFor(QStringLiteral("1"));
        QVERIFY(setup.backend);
        const auto programmers = setup.backend->programmers();
        QCOMPARE(programmers.size(), size_t(1));
        QCOMPARE(QString::fromStdString(programmers[0]->serialNumber()), QString("VEXASIM1"));
        QCOMPARE(moduleImage(*programmers[0]->module()), sampleModuleImage());
    }

    void sampleModuleIsAPlausibleSfpWithCorrectCheckCodes()
    {
        const QByteArray image = sampleModuleImage();
        QCOMPARE(image.size(), 512);
        const QByteArray a0 = image.left(256), a2 = image.mid(256);
        QCOMPARE(quint8(a0[0]), quint8(0x03));  // SFP
        QCOMPARE(a0.mid(20, 16), QByteArray("VEXA            "));
        QCOMPARE(quint8(a0[60]) * 256 + quint8(a0[61]), 1310);
        QCOMPARE(quint8(a0[63]), checkCode(a0, 0, 63));
        QCOMPARE(quint8(a0[95]), checkCode(a0, 64, 95));
        QCOMPARE(quint8(a2[95]), checkCode(a2, 0, 95));
    }

    void moduleKeptInAFile()
    {
        const QString path = dir.filePath("kept.bin");
        QByteArray image = sampleModuleImage();
        image[256 + 200] = 'k';
        writeFile(path, image);

        SimulatorSetup setup = simulatorFor(path);
        QVERIFY2(setup.backend, qPrintable(setup.error));
        QCOMPARE(moduleImage(*setup.backend->programmers()[0]->module()), image);

        d2xx::installBackend(setup.backend);
        writeOneByte(0x50, 0x7F, 0xA5);
        image[0x7F] = char(0xA5);
        QCOMPARE(readFile(path), image);
    }

    void missingFileStartsAsTheSampleAndIsCreatedByAWrite()
    {
        const QString path = dir.filePath("new.bin");
        SimulatorSetup setup = simulatorFor(path);
        QVERIFY(setup.backend);
        QVERIFY(!QFile::exists(path));
        d2xx::installBackend(setup.backend);
        writeOneByte(0x51, 0x80, 0x42);
        QByteArray expected = sampleModuleImage();
        expected[256 + 0x80] = 0x42;
        QCOMPARE(readFile(path), expected);
    }

    void fileOfAnotherSizeIsRefused_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("a table") << 128;
        QTest::newRow("empty") << 0;
        QTest::newRow("too long") << 513;
    }

    void fileOfAnotherSizeIsRefused()
    {
        QFETCH(int, size);
        const QString path = dir.filePath("odd.bin");
        writeFile(path, QByteArray(size, 'x'));
        const SimulatorSetup setup = simulatorFor(path);
        QVERIFY(!setup.backend);
        QVERIFY(setup.error.contains(path));
        QVERIFY(setup.error.contains("512"));
        QCOMPARE(readFile(path), QByteArray(size, 'x'));  // never overwritten
    }
};

QTEST_GUILESS_MAIN(TestSimulatorEnvironment)
#include "tst_simulatorenvironment.moc"
