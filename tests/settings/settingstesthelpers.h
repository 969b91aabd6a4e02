#pragma once
// Shared by the settings tests: a settings store of the test's own, the
// dialog's widgets by object name, and running the dialog the way the main
// window does.

#include "isolatedsettings.h"
#include "settingsdialog.h"
#include "simulatedbackend.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <functional>

// A settings store of the test's own and a simulated driver with no
// programmers, fresh for every test function.
struct SettingsTestBed {
    QTemporaryDir store;
    std::shared_ptr<SimulatedBackend> backend;

    void reset()
    {
        QSettings().clear();
        d2xx::removeAllBackends();
        backend = std::make_shared<SimulatedBackend>();
        d2xx::installBackend(backend);
    }
    ~SettingsTestBed() { d2xx::removeAllBackends(); }
};

// The first argument of the last signal caught; invalid if none was sent.
inline QVariant lastSent(const QSignalSpy &spy) { return spy.isEmpty() ? QVariant() : spy.last().at(0); }

struct SettingsForm {
    explicit SettingsForm(SettingsDialog &dialog) : dialog(dialog) {}

    bool discovering() const { return !busyBar->isHidden() && connection->isHidden() && refresh->isHidden(); }

    // True once the connection row is back to its idle state.
    bool waitForDiscovery() const { return QTest::qWaitFor([this] { return !discovering(); }, 20000); }

    // Runs the dialog modally, does `whileOpen` in it, presses `button` and
    // then saves or reloads as the main window does.
    void run(QDialogButtonBox::StandardButton button, const std::function<void()> &whileOpen)
    {
        QTimer::singleShot(0, &dialog, [this, button, whileOpen] {
            whileOpen();
            buttons->button(button)->click();
        });
        dialog.adjustSize();
        if (dialog.exec() == QDialog::Accepted)
            dialog.saveSettings();
        else
            dialog.loadSettings();
    }

    SettingsDialog &dialog;
    QComboBox *language = dialog.findChild<QComboBox *>("cb_language");
    QComboBox *password = dialog.findChild<QComboBox *>("cb_password");
    QLineEdit *customPassword = dialog.findChild<QLineEdit *>("le_custom_password");
    QComboBox *connection = dialog.findChild<QComboBox *>("cb_connection");
    QProgressBar *busyBar = dialog.findChild<QProgressBar *>("prog_bar_connection");
    QToolButton *refresh = dialog.findChild<QToolButton *>("tb_connection_refresh");
    QCheckBox *verify = dialog.findChild<QCheckBox *>("cb_verify");
    QDialogButtonBox *buttons = dialog.findChild<QDialogButtonBox *>("buttonBox");
};
