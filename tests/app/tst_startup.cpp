// Starting the program: identity, the logo before the main window, discovery
// under way behind the logo, quitting, and a refused simulator setting.

#include "isolatedsettings.h"
#include "programmerbackends.h"
#include "programmerdiscovery.h"
#include "simulatorfixture.h"
#include "startup.h"
#include "testbytes.h"
#include "windowdriver.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QProcess>
#include <QProgressBar>
#include <QSemaphore>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir store;

private slots:
    void initTestCase()
    {
        QVERIFY(isolateSettings(store));
        setApplicationIdentity();
    }

    void cleanupTestCase() { letWidgetAnimationsEnd(); }

    void identity()
    {
        QCOMPARE(QCoreApplication::applicationName(), QString("Vexa Modulant"));
        QCOMPARE(QCoreApplication::organizationName(), QString("Zorvik"));  // the settings' place
        setApplicationIcon();
        QVERIFY(QApplication::windowIcon().availableSizes().contains(QSize(32, 32)));
    }

    void logoFirstThenTheTitledMainWindow()
    {
        SimulatorFixture sim;
        QSemaphore listingMayEnd;
        sim.backend->setListingHook([&] { listingMayEnd.acquire(); });

        MainWindow window;
        showMainWindowAfterLogo(window);
        window.initSettings();
        QCOMPARE(window.windowTitle(), QString("Buffer 1[*] - Vexa Modulant v0.18"));

        QWidget *logo = topLevelWidget("LogoWindow");
        QVERIFY(logo && logo->isVisible());
        // Only the picture is seen: no frame, no title bar, no background.
        QVERIFY(logo->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(logo->testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(!window.isVisible());
        // Discovery is already under way while the logo is up.
        QWidget *settings = topLevelWidget("SettingsDialog");
        QVERIFY(!settings->findChild<QProgressBar *>("prog_bar_connection")->isHidden());

        listingMayEnd.release();
        QTRY_VERIFY_WITH_TIMEOUT(window.isVisible(), 5000);
        QVERIFY(!topLevelWidget("LogoWindow"));
        QTRY_COMPARE(settings->findChild<QComboBox *>("cb_connection")->currentText(), QString("SIM0001"));
    }

    void closeEndsTheEventLoopWithZero()
    {
        MainWindow window;
        window.show();
        auto *close = window.findChild<QAction *>("action_close");
        QVERIFY(close);
        QTimer::singleShot(0, close, &QAction::trigger);
        QCOMPARE(QApplication::exec(), 0);
    }

    void simulatedProgrammerOnlyWhenAskedFor()
    {
        const auto simulatorListed = [] {
            const QVector<ProgrammerInfo> found = discoverProgrammers();
            return std::any_of(found.begin(), found.end(),
                               [](const ProgrammerInfo &info) { return info.serialNumber() == "VEXASIM1"; });
        };
        QString problem;
        for (const char *setting : {"", "0", "1"}) {
            d2xx::removeAllBackends();
            qputenv("VEXA_SIMULATOR", setting);
            QVERIFY(installProgrammerBackends(&problem));
            QCOMPARE(simulatorListed(), QByteArray(setting) == "1");
            QCOMPARE(d2xx::installedBackends().size(), QByteArray(setting) == "1" ? size_t(2) : size_t(1));
        }
        d2xx::removeAllBackends();
        qunsetenv("VEXA_SIMULATOR");
    }

    void unusableSimulatorFileIsRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("short.bin");
        QVERIFY(writeFile(path, QByteArray(128, '\0')));

        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("VEXA_SIMULATOR", path);
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VEXA_PROGRAM), QStringList());
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitCode(), 2);
        const QString message = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(message.contains(path) && message.contains("512"), qPrintable(message));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
