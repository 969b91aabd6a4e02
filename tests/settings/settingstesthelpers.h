#pragma once
// Shared by the settings tests: a settings store of the test's own, the
// dialog's widgets by object name, and running the dialog the way the main
// window does.

#include "settingsdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

// Points the native settings store into dir, so that no test ever reads or
// writes the operator's real settings. Returns false if that did not work.
inline bool isolateSettings(const QTemporaryDir &dir)
{
    QCoreApplication::setOrganizationName("Zorvik");
    QCoreApplication::setApplicationName("Vexa Modulant");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    return dir.isValid() && QSettings().fileName().startsWith(dir.path());
}

// The line edit's clear button fades with an animation that deletes itself
// on a later tick, also when the button is gone. A test run lets those run
// out before it ends, so that nothing is left behind at exit.
inline void letWidgetAnimationsEnd()
{
    QTest::qWait(300);
}

struct SettingsForm {
    explicit SettingsForm(SettingsDialog &dialog)
        : dialog(dialog)
        , language(dialog.findChild<QComboBox *>("cb_language"))
        , password(dialog.findChild<QComboBox *>("cb_password"))
        , customPassword(dialog.findChild<QLineEdit *>("le_custom_password"))
        , connection(dialog.findChild<QComboBox *>("cb_connection"))
        , busyBar(dialog.findChild<QProgressBar *>("prog_bar_connection"))
        , refresh(dialog.findChild<QToolButton *>("tb_connection_refresh"))
        , verify(dialog.findChild<QCheckBox *>("cb_verify"))
        , buttons(dialog.findChild<QDialogButtonBox *>("buttonBox"))
    {
    }

    bool complete() const
    {
        return language && password && customPassword && connection && busyBar && refresh && verify && buttons;
    }

    bool discovering() const
    {
        return !busyBar->isHidden() && connection->isHidden() && refresh->isHidden();
    }

    // True once the connection row is back to its idle state.
    bool waitForDiscovery() const
    {
        return QTest::qWaitFor([this] { return !discovering(); }, 20000);
    }

    // Runs the dialog modally, does `whileOpen` in it, presses `button` and
    // then saves or reloads as the main window does. Returns exec()'s result.
    int run(QDialogButtonBox::StandardButton button, const std::function<void()> &whileOpen = {})
    {
        QTimer::singleShot(0, &dialog, [this, button, whileOpen] {
            if (whileOpen)
                whileOpen();
            buttons->button(button)->click();
        });
        dialog.adjustSize();
        const int result = dialog.exec();
        if (result == QDialog::Accepted)
            dialog.saveSettings();
        else
            dialog.loadSettings();
        return result;
    }

    SettingsDialog &dialog;
    QComboBox *language;
    QComboBox *password;
    QLineEdit *customPassword;
    QComboBox *connection;
    QProgressBar *busyBar;
    QToolButton *refresh;
    QCheckBox *verify;
    QDialogButtonBox *buttons;
};

inline QByteArray lastBytes(const QSignalSpy &spy)
{
    return spy.isEmpty() ? QByteArray("<nothing sent>") : spy.last().at(0).toByteArray();
}

inline QString lastText(const QSignalSpy &spy)
{
    return spy.isEmpty() ? QString("<nothing sent>") : spy.last().at(0).toString();
}
