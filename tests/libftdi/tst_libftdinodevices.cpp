// The real libftdi backend on a machine without FTDI programmers: nothing is
// listed, and opening any serial number fails with the usual lines.

#include "diagnostics.h"
#include "bitbangport.h"
#include "libftdibackendfactory.h"

#include <QtTest>

#include <memory>
#include <string>

class TestLibFtdiNoDevices : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        d2xx::removeAllBackends();
        linkdiag::setSink({});
    }

    void nothingIsListedAndOpeningFails()
    {
        d2xx::installBackend(makeLibFtdiBackend());
        std::uint32_t count = 99;
        QCOMPARE(FT_CreateDeviceInfoList(&count), FT_STATUS(FT_OK));
        if (count > 0)
            QSKIP("FTDI devices are attached to this machine");

        std::string printed;
        linkdiag::setSink([&printed](const std::string &text) { printed += text; });
        auto port = std::make_unique<BitBangPort>();
        QVERIFY(!port->open("VEXA0001", BitBangPort::Speed::Compatible));

        QCOMPARE(port->lastStatus, FT_STATUS(FT_DEVICE_NOT_FOUND));
        QCOMPARE(QString::fromStdString(printed),
                 QStringLiteral("FT_Open(VEXA0001) failed (error 2).\n"
                                "Use lsmod to check if ftdi_sio (and usbserial) are present.\n"
                                "If so, unload them using rmmod, as they conflict with ftd2xx.\n"));
    }
};

QTEST_GUILESS_MAIN(TestLibFtdiNoDevices)
#include "tst_libftdinodevices.moc"
