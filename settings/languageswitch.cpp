// Switching the interface language of the whole program at run time. The
// settings dialog owns the two translators; installing or removing one makes
// Qt tell every window to set its texts again.

#include "settingsdialog.h"
#include "ui_settingsdialog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>

void SettingsDialog::addLanguages()
{
    // Each language is named in its own tongue, so these stay untranslated.
    ui->cb_language->addItem(QStringLiteral("English"), QStringLiteral("en"));
    ui->cb_language->addItem(QStringLiteral("Русский"), QStringLiteral("ru"));
}

void SettingsDialog::on_cb_language_currentIndexChanged(int index)
{
    if (index == -1)
        return;
    setLanguage(ui->cb_language->currentData().toString());
}

void SettingsDialog::setLanguage(QString code)
{
    // English is built in. Only when neither translator holds a catalogue is
    // there nothing to undo; a Qt catalogue loaded for a language that has no
    // catalogue of ours still has to go.
    if (code == QLatin1String("en") && appTranslator.isEmpty() && qtTranslator.isEmpty())
        return;

    const QLocale locale(code);
    QLocale::setDefault(locale);
    loadTranslator(appTranslator, QStringLiteral(":/translations/%1.qm").arg(locale.bcp47Name()), QString());
    loadTranslator(qtTranslator, QStringLiteral("qt_%1.qm").arg(locale.name()),
                   QLibraryInfo::location(QLibraryInfo::TranslationsPath));
}

void SettingsDialog::loadTranslator(QTranslator &translator, QString file, QString directory)
{
    QCoreApplication::removeTranslator(&translator);
    if (translator.load(file, directory))
        QCoreApplication::installTranslator(&translator);
}

void SettingsDialog::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::LocaleChange:
        // cb_language is left alone on purpose: it shows the stored choice.
        setLanguage(QLocale::system().bcp47Name());
        break;
    case QEvent::LanguageChange: {
        // Refilling cb_password passes through "None"; putting the choice
        // back restores the password in force.
        const int password = ui->cb_password->currentIndex();
        const int transfer = ui->cb_transfer->currentIndex();
        ui->retranslateUi(this);
        ui->cb_password->setCurrentIndex(password);
        ui->cb_transfer->setCurrentIndex(transfer);
        adjustSize();
        break;
    }
    default:
        break;
    }
    QDialog::changeEvent(event);
}
