#include "seriesdialog.h"
#include "ui_seriesdialog.h"

#include "passwordlist.h"
#include "loadedimage.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QSettings>

namespace {

const char kTemplateKey[] = "series/template";
const char kPrefixKey[] = "series/prefix";
const char kFirstKey[] = "series/first";
const char kLastKey[] = "series/last";
const char kDateKey[] = "series/date";
const char kJournalKey[] = "series/journal";
const char kCountKey[] = "series/count";
const char kReprogramKey[] = "series/reprogram";

// Journal columns shown: time, serial number, outcome, message.
constexpr int kTimeField = 0;
constexpr int kSerialField = 2;
constexpr int kOutcomeField = 7;
constexpr int kMessageField = 8;

QString styleOf(int look)
{
    // Text and ground per look: neutral, waiting, busy, passed, failed.
    static const char *const colours[][2] = {
        {"#2b3a4c", "transparent"}, {"#1c4f8c", "#e3eefb"}, {"#8a4b08", "#fdf0e0"},
        {"#1b5e20", "#e4f4e5"},     {"#a3161a", "#fbe4e4"},
    };
    return QStringLiteral("QLabel { color: %1; background: %2; border-radius: 6px; padding: 6px; }")
        .arg(QLatin1String(colours[look][0]), QLatin1String(colours[look][1]));
}

}  // namespace

SeriesDialog::SeriesDialog(QWidget *parent) : QDialog(parent), ui(new Ui::SeriesDialog)
{
    ui->setupUi(this);
    for (int column = 0; column < ui->tw_journal->columnCount() - 1; ++column)
        ui->tw_journal->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    ui->tw_journal->header()->setStretchLastSection(true);
    connect(ui->pb_start, &QPushButton::clicked, this, &SeriesDialog::start);
    connect(ui->pb_stop, &QPushButton::clicked, this, &SeriesDialog::stop);
    connect(ui->pb_close, &QPushButton::clicked, this, &QDialog::close);
    connect(ui->pb_template, &QPushButton::clicked, this, &SeriesDialog::chooseTemplate);
    connect(ui->pb_template_buffer, &QPushButton::clicked, this, &SeriesDialog::templateFromBufferWanted);
    connect(ui->le_template, &QLineEdit::textEdited, this, [this] { templateFromWindow_ = false; });
    connect(ui->pb_journal, &QPushButton::clicked, this, &SeriesDialog::chooseJournal);
    connect(ui->cb_verify, &QCheckBox::clicked, this, [this] { verifyTouched_ = true; });

    connect(&series_, &SeriesRun::waitingForModule, this, [this](const QString &next) {
        nextSerial_ = next;
        showCounts();
        showStatus([] { return tr("Waiting for a module"); }, Look::Waiting);
    });
    connect(&series_, &SeriesRun::programming, this, [this](const QString &serial) {
        showStatus([serial] { return tr("Programming %1").arg(serial); }, Look::Busy);
    });
    connect(&series_, &SeriesRun::moduleDone, this, &SeriesDialog::moduleDone);
    connect(&series_, &SeriesRun::finished, this, &SeriesDialog::finished);
    connect(&series_, &SeriesRun::passwordAccepted, this,
            [](const QString &name, const QString &vendor, const QString &partNumber) {
                PasswordStore::remember(vendor, partNumber, name);
            });

    loadFields();
    showProgrammer();
    showCounts();
    showStatus([] { return tr("Choose the template and the serial numbers, then Start"); }, Look::Neutral);
}

SeriesDialog::~SeriesDialog()
{
    delete ui;
}

void SeriesDialog::setProgrammer(QString identity)
{
    programmer_ = std::move(identity);
    showProgrammer();
}

void SeriesDialog::setPassword(QByteArray password)
{
    password_ = std::move(password);
    showProgrammer();
}

void SeriesDialog::setPasswordCandidates(PasswordCandidates candidates)
{
    passwords_ = std::move(candidates);
    showProgrammer();
}

void SeriesDialog::setVerify(bool verify)
{
    if (!verifyTouched_)
        ui->cb_verify->setChecked(verify);
}

void SeriesDialog::setTransferMode(int transferMode)
{
    transferMode_ = transferMode;
}

void SeriesDialog::start()
{
    SeriesPlan plan;
    QString problem;
    const bool ready =
        loadTemplate(&plan.image, &problem) && SerialPattern::make(ui->le_prefix->text(), ui->le_first->text(), ui->le_last->text(), &plan.serials,
                               &problem);
    if (ready) {
        plan.programmer = programmer_;
        plan.password = password_;
        plan.passwords = passwords_;
        plan.recall = &PasswordStore::remembered;
        plan.transferMode = transferMode_;
        plan.todaysDate = ui->cb_date->currentIndex() == 0;
        plan.verify = ui->cb_verify->isChecked();
        plan.allowReprogram = ui->cb_reprogram->isChecked();
        plan.count = ui->sb_count->value();
        plan.journal = ui->le_journal->text();
    }
    if (!ready || !series_.start(plan, &problem)) {
        showStatus([problem] { return problem; }, Look::Failed);
        return;
    }
    saveFields();
    ui->tw_journal->clear();
    for (const QStringList &fields : series_.journal().lastLines(kShownLines))
        addJournalLine(fields);
    setRunning(true);
    showCounts();
}

void SeriesDialog::setTemplateImage(const sff::ModuleImage &image, const QString &title)
{
    templateFromWindow_ = true;
    windowTemplate_ = image;
    windowTemplateTitle_ = title;
    ui->le_template->setText(tr("%1 of the window").arg(title));
}

bool SeriesDialog::loadTemplate(SeriesTemplate *loaded, QString *problem) const
{
    if (!templateFromWindow_)
        return SeriesTemplate::load(ui->le_template->text(), loaded, problem);
    *loaded = SeriesTemplate::fromImage(LoadedImage(windowTemplate_, LoadedImage::Format::Raw));
    if (loaded->isEmpty()) {
        *problem = tr("%1 holds no A0 Low, which a series writes into every module").arg(windowTemplateTitle_);
        return false;
    }
    return true;
}

void SeriesDialog::stop()
{
    series_.stop();
    if (series_.isRunning())
        showStatus([] { return tr("Stopping once this module is done"); }, Look::Busy);
}

void SeriesDialog::moduleDone(const SeriesRecord &record)
{
    addJournalLine(record.fields());
    showCounts();
    const QString serial = record.serial;
    const QString message = record.message;
    if (record.passed())
        showStatus([serial] { return tr("Done: %1, pull the module").arg(serial); }, Look::Passed);
    else
        showStatus([message] { return tr("Module failed: %1").arg(message); }, Look::Failed);
}

void SeriesDialog::finished(SeriesRun::End end, const QString &message)
{
    setRunning(false);
    switch (end) {
    case SeriesRun::End::Count:
        showStatus([] { return tr("Series complete: pull the last module"); }, Look::Passed);
        break;
    case SeriesRun::End::LastNumber:
        showStatus([] { return tr("Series complete: the last serial number is used"); }, Look::Passed);
        break;
    case SeriesRun::End::Stopped:
        showStatus([] { return tr("Series stopped"); }, Look::Neutral);
        break;
    case SeriesRun::End::Failed:
        showStatus([message] { return tr("Series stopped: %1").arg(message); }, Look::Failed);
        break;
    }
}

void SeriesDialog::showStatus(std::function<QString()> text, Look look)
{
    statusText_ = std::move(text);
    ui->lb_status->setText(statusText_());
    ui->lb_status->setStyleSheet(styleOf(static_cast<int>(look)));
}

void SeriesDialog::showCounts()
{
    ui->lb_passed->setText(tr("Passed: %1").arg(series_.passed()));
    ui->lb_failed->setText(tr("Failed: %1").arg(series_.failed()));
    ui->lb_next->setText(series_.isRunning() ? tr("Next serial number: %1").arg(nextSerial_) : QString());
}

void SeriesDialog::showProgrammer()
{
    const QString programmer = programmer_.isEmpty() ? tr("none chosen") : programmer_;
    if (!passwords_.isEmpty())
        ui->lb_programmer->setText(tr("Programmer %1, with the password list, as in the Settings").arg(programmer));
    else
        ui->lb_programmer->setText(password_.isEmpty()
                                       ? tr("Programmer %1, without password, as in the Settings").arg(programmer)
                                       : tr("Programmer %1, with password, as in the Settings").arg(programmer));
}

void SeriesDialog::addJournalLine(const QStringList &fields)
{
    const QDateTime time = QDateTime::fromString(fields.value(kTimeField), Qt::ISODate);
    auto *item = new QTreeWidgetItem(
        {time.isValid() ? time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : fields.value(kTimeField),
         fields.value(kSerialField), SeriesRecord::outcomeTitle(fields.value(kOutcomeField)),
         fields.value(kMessageField)});
    ui->tw_journal->addTopLevelItem(item);
    while (ui->tw_journal->topLevelItemCount() > kShownLines)
        delete ui->tw_journal->takeTopLevelItem(0);
    ui->tw_journal->scrollToItem(item);
}

void SeriesDialog::setRunning(bool running)
{
    ui->gb_settings->setEnabled(!running);
    ui->pb_start->setEnabled(!running);
    ui->pb_stop->setEnabled(running);
    ui->pb_close->setEnabled(!running);
    emit runningChanged(running);
}

void SeriesDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        const int date = ui->cb_date->currentIndex();
        ui->retranslateUi(this);
        ui->cb_date->setCurrentIndex(date);
        if (statusText_)
            ui->lb_status->setText(statusText_());
        showCounts();
        showProgrammer();
    }
    QDialog::changeEvent(event);
}

void SeriesDialog::closeEvent(QCloseEvent *event)
{
    // The series goes on without the dialog only after Stop.
    if (series_.isRunning())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void SeriesDialog::reject()
{
    if (!series_.isRunning())
        QDialog::reject();
}

void SeriesDialog::loadFields()
{
    QSettings settings;
    ui->le_template->setText(settings.value(kTemplateKey).toString());
    ui->le_prefix->setText(settings.value(kPrefixKey).toString());
    ui->le_first->setText(settings.value(kFirstKey, QStringLiteral("0001")).toString());
    ui->le_last->setText(settings.value(kLastKey).toString());
    ui->cb_date->setCurrentIndex(settings.value(kDateKey, 0).toInt() == 1 ? 1 : 0);
    ui->le_journal->setText(
        settings.value(kJournalKey, QDir::home().filePath(QStringLiteral("vexa-series.csv"))).toString());
    ui->sb_count->setValue(settings.value(kCountKey, 0).toInt());
    ui->cb_reprogram->setChecked(settings.value(kReprogramKey, false).toBool());
}

void SeriesDialog::saveFields() const
{
    QSettings settings;
    if (!templateFromWindow_)
        settings.setValue(kTemplateKey, ui->le_template->text());
    settings.setValue(kPrefixKey, ui->le_prefix->text());
    settings.setValue(kFirstKey, ui->le_first->text());
    settings.setValue(kLastKey, ui->le_last->text());
    settings.setValue(kDateKey, ui->cb_date->currentIndex());
    settings.setValue(kJournalKey, ui->le_journal->text());
    settings.setValue(kCountKey, ui->sb_count->value());
    settings.setValue(kReprogramKey, ui->cb_reprogram->isChecked());
}

void SeriesDialog::chooseTemplate()
{
    const QString name = QFileDialog::getOpenFileName(this, tr("Template"), QFileInfo(ui->le_template->text()).path(),
                                                      tr("Module images (*.bin *.txt *)"));
    if (!name.isEmpty()) {
        templateFromWindow_ = false;
        ui->le_template->setText(name);
    }
}

void SeriesDialog::chooseJournal()
{
    const QString name =
        QFileDialog::getSaveFileName(this, tr("Journal"), ui->le_journal->text(), tr("CSV files (*.csv)"), nullptr,
                                     QFileDialog::DontConfirmOverwrite);
    if (!name.isEmpty())
        ui->le_journal->setText(name);
}
