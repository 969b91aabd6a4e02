#pragma once
// The Series dialog: the settings of a series, what it is doing in large
// letters, the counts, the journal's last lines, Start and Stop. It stays
// beside the window without blocking it; while a series runs,
// `runningChanged` tells the window to keep its own transfers and the
// monitor off the programmer. The programmer, the password and the transfer
// mode are the window's settings.

#include "seriesrun.h"

#include <QDialog>

#include <functional>

namespace Ui {
class SeriesDialog;
}

class SeriesDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kShownLines = 20;

    explicit SeriesDialog(QWidget *parent = nullptr);
    ~SeriesDialog() override;

    // The engine, for tests that shorten its polling.
    SeriesRun *series() { return &series_; }

public slots:
    void setProgrammer(QString identity);
    void setPassword(QByteArray password);
    // Automatic: the settings' list; empty for a fixed password.
    void setPasswordCandidates(PasswordCandidates candidates);
    // The settings' verify, taken as the dialog's until it is changed here.
    void setVerify(bool verify);
    void setTransferMode(int transferMode);
    void start();
    void stop();

    // The template from the window instead of a file: `title` names it.
    void setTemplateImage(const sff::ModuleImage &image, const QString &title);

signals:
    void runningChanged(bool running);
    // From buffer was pressed: the window answers with setTemplateImage().
    void templateFromBufferWanted();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    enum class Look { Neutral, Waiting, Busy, Passed, Failed };

    void showStatus(std::function<QString()> text, Look look);
    void showCounts();
    void showProgrammer();
    void addJournalLine(const QStringList &fields);
    void setRunning(bool running);
    void moduleDone(const SeriesRecord &record);
    void finished(SeriesRun::End end, const QString &message);
    void loadFields();
    void saveFields() const;
    void chooseTemplate();
    void chooseJournal();
    bool loadTemplate(SeriesTemplate *loaded, QString *problem) const;

    Ui::SeriesDialog *ui;
    SeriesRun series_;
    QString programmer_;
    QByteArray password_;
    PasswordCandidates passwords_;
    int transferMode_ = SFPThread::kTransferFast;
    bool verifyTouched_ = false;
    // The status again in the language in use, after a change of language.
    std::function<QString()> statusText_;
    QString nextSerial_;
    // Set while the template is the window's buffer rather than a file.
    bool templateFromWindow_ = false;
    sff::ModuleImage windowTemplate_;
    QString windowTemplateTitle_;
};
