#pragma once
// The modal dialog for the programmer, the module write password, write
// verification and the interface language. It keeps no values for others to
// read: every change goes out at once through a signal, Save stores the
// values and Cancel (through loadSettings) puts the stored ones back.

#include "passwordcandidates.h"
#include "programmerinfo.h"

#include <QByteArray>
#include <QDialog>
#include <QFuture>
#include <QFutureWatcher>
#include <QString>
#include <QTranslator>
#include <QVector>

namespace Ui {
class SettingsDialog;
}

class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // Equal to the entry positions of cb_password.
    enum PasswordType {
        kPasswordNone = 0,
        kPasswordZorvik1 = 1,
        kPasswordZorvik2 = 2,
        kPasswordCustom = 3,
        // The list of named passwords in turn, the remembered one first.
        kPasswordAutomatic = 4,
    };
    Q_ENUM(PasswordType)

    explicit SettingsDialog(QWidget *parent = nullptr);
    ~SettingsDialog() override;

    // Puts the stored values into the widgets, which sends them out.
    void loadSettings();
    // Stores the widgets' values.
    void saveSettings();
    // Once at start-up, after the signals are connected: loads the stored
    // values and starts the search for programmers.
    void initialize();

signals:
    // The programmer's identity (an FTDI chip's serial number); empty when
    // no programmer is selected.
    void serialNumberChanged(QString serial_number);
    // What the operator must know about the chosen programmer, once a session.
    void programmerWarning(QString text);
    // Empty (no password, or Automatic) or exactly 4 bytes.
    void passwordChanged(QByteArray password);
    // The list for Automatic, sent after passwordChanged; empty otherwise.
    void passwordCandidatesChanged(PasswordCandidates candidates);
    void verifyChanged(bool verify);
    // 0 Fast, 1 Compatible.
    void transferModeChanged(int transfer_mode);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void setPassword();
    void on_cb_password_currentIndexChanged(int index);
    void on_le_custom_password_textEdited(QString text);
    void on_cb_language_currentIndexChanged(int index);
    void on_tb_connection_refresh_clicked();
    void sendSerialNumber();
    void discoveryFinished();

private:
    void addLanguages();
    void setLanguage(QString code);
    void loadTranslator(QTranslator &translator, QString file, QString directory);
    void deleteProgrammerInfos();
    void selectStoredProgrammer();
    QString currentIdentity() const;

    Ui::SettingsDialog *ui;
    QFuture<QVector<ProgrammerInfo>> discovery;
    QFutureWatcher<QVector<ProgrammerInfo>> discoveryWatcher;
    QTranslator appTranslator;
    QTranslator qtTranslator;
    bool warnedOfCh341aVoltage = false;
};
