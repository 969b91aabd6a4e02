#include "settingsdialog.h"
#include "passwordlist.h"
#include "presetpasswords.h"
#include "settingskeys.h"
#include "ui_settingsdialog.h"

#include <QSettings>
#include <QStringList>

namespace {

const char kInvalidInputStyle[] = "color: rgb(255, 0, 0);";

}  // namespace

int storedConnectionPosition()
{
    return qMax(0, QSettings().value(kConnectionKey, kDefaultConnection).toInt());
}

QString storedConnectionSerial()
{
    return QSettings().value(kConnectionSerialKey).toString();
}

SettingsDialog::SettingsDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::SettingsDialog)
{
    qRegisterMetaType<ProgrammerInfo *>();

    ui->setupUi(this);
    ui->le_custom_password->hide();
    addLanguages();

    // Made after the form is set up, so that filling the form sends nothing.
    connect(ui->cb_connection, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &SettingsDialog::sendSerialNumber);
    connect(ui->cb_password, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &SettingsDialog::setPassword);
    connect(ui->le_custom_password, &QLineEdit::textChanged, this, &SettingsDialog::setPassword);
    connect(ui->password_list, &PasswordListEditor::changed, this, &SettingsDialog::setPassword);
    connect(&discoveryWatcher, &QFutureWatcherBase::finished, this, &SettingsDialog::discoveryFinished);
    connect(ui->cb_verify, &QCheckBox::toggled, this, &SettingsDialog::verifyChanged);
    connect(ui->cb_transfer, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &SettingsDialog::transferModeChanged);
}

SettingsDialog::~SettingsDialog()
{
    discovery.waitForFinished();
    deleteProgrammerInfos();
    delete ui;
}

void SettingsDialog::loadSettings()
{
    QSettings settings;
    ui->le_custom_password->setText(
        settings.value(kCustomPasswordKey, QString::fromLatin1(kDefaultCustomPassword)).toString());
    selectStoredProgrammer();
    ui->cb_language->setCurrentIndex(settings.value(kLanguageKey, kDefaultLanguage).toInt());
    ui->cb_verify->setChecked(settings.value(kVerifyKey, kDefaultVerify).toBool());
    ui->cb_transfer->setCurrentIndex(qBound(0, settings.value(kTransferKey, kDefaultTransfer).toInt(), 1));
    ui->password_list->setList(PasswordStore::load());
    setPassword();
    // Sent even when unchanged: the worker has not heard it yet at start-up.
    emit transferModeChanged(ui->cb_transfer->currentIndex());
}

void SettingsDialog::saveSettings()
{
    QSettings settings;
    // An incomplete custom password or an empty list keeps what was stored.
    if (ui->le_custom_password->hasAcceptableInput())
        settings.setValue(kCustomPasswordKey, ui->le_custom_password->text());
    if (ui->cb_connection->currentIndex() >= 0) {
        settings.setValue(kConnectionKey, ui->cb_connection->currentIndex());
        settings.setValue(kConnectionSerialKey, currentIdentity());
    }
    settings.setValue(kLanguageKey, ui->cb_language->currentIndex());
    settings.setValue(kVerifyKey, ui->cb_verify->isChecked());
    settings.setValue(kTransferKey, ui->cb_transfer->currentIndex());
    for (const auto &renamed : ui->password_list->renames())
        PasswordStore::renameRemembered(renamed.first, renamed.second);
    PasswordStore::save(ui->password_list->list());
    // Incomplete entries are not kept; the list shows what is.
    ui->password_list->setList(PasswordStore::load());
    settings.sync();
}

void SettingsDialog::initialize()
{
    loadSettings();
    on_tb_connection_refresh_clicked();
}

void SettingsDialog::setPassword()
{
    QByteArray password;
    password.reserve(4);
    switch (ui->cb_password->currentIndex()) {
    case kPasswordZorvik1:
        appendZorvik1Password(password);
        break;
    case kPasswordZorvik2:
        appendZorvik2Password(password);
        break;
    case kPasswordCustom:
        // The mask lets through only "HH HH HH HH", so this is 4 bytes.
        if (ui->le_custom_password->hasAcceptableInput()) {
            const QStringList pairs = ui->le_custom_password->text().split(QLatin1Char(' '), Qt::KeepEmptyParts);
            for (const QString &pair : pairs)
                password.append(char(pair.toUInt(nullptr, 16) & 0xFF));
        }
        break;
    default:
        break;
    }
    const bool automatic = ui->cb_password->currentIndex() == kPasswordAutomatic;
    emit passwordChanged(password);
    emit passwordCandidatesChanged(automatic ? PasswordStore::candidates(ui->password_list->list())
                                             : PasswordCandidates());
}

void SettingsDialog::on_cb_password_currentIndexChanged(int index)
{
    ui->le_custom_password->setVisible(index == kPasswordCustom);
    adjustSize();
}

void SettingsDialog::on_le_custom_password_textEdited(QString)
{
    ui->le_custom_password->setStyleSheet(
        ui->le_custom_password->hasAcceptableInput() ? QString() : QString::fromLatin1(kInvalidInputStyle));
}
