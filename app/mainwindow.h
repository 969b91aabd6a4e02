#pragma once
// The tool's one window: three buffers of one table each, the table selector
// and range, the decoded fields of the current buffer, file and transfer
// commands, and the log pane.

#include "address.h"
#include "family.h"
#include "progressdialog.h"
#include "settingsdialog.h"
#include "sfpthread.h"

#include <QByteArray>
#include <QList>
#include <QMainWindow>

namespace Ui {
class MainWindow;
}
class ModulePages;
class SeriesDialog;
class QAction;
class QTableView;
class SFPDataMapper;
class TableViewModel;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Loads the stored settings and starts looking for programmers; called
    // once by the start-up code before the event loop runs.
    void initSettings();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void on_tb_new_clicked();
    void on_tb_open_clicked();
    void on_tb_save_clicked();
    void on_tb_sfp_read_clicked();
    void on_tb_sfp_write_clicked();
    void on_cb_table_currentIndexChanged(int index);
    void on_tw_buffers_currentChanged();
    void error(QString msg);
    void log(SFPThread::LogType log_type, QString msg, QByteArray data, ushort checksum);
    void showSettings();
    void showAbout();
    void showSeries();
    void cancelTransfer();
    void reportCanceled(QString message);

private:
    static constexpr int kStatusMs = 3000;
    // Bytes and checksums as the window shows them: upper-case hexadecimal, zero-padded.
    static QString hexText(unsigned value, int width);

    TableViewModel *currentModel() const;
    // The region the table selector names, and the selector set to a region.
    sff::Region selectedRegion() const;
    void showRegion(const sff::Region &region);
    // The window as the buffer's family has it: SFP field editors for SFP modules only.
    void showFamily();
    void applySelectedRegion();
    // The device an i2cdump is of, asked of the operator; false when cancelled.
    bool askDumpDevice(const QString &fileName, quint8 *device);
    void bindMappers();
    void startJob(int mode);
    void waitForWorker();
    void waitForPreviousJob();
    void addBuffer(int number);
    void showRangeAndChecksum();
    void retranslateWindow();
    void appendPlain(const QString &text);
    void appendHexDump(SFPThread::LogType log_type, const QByteArray &data);
    void judgeVerify(const QByteArray &data, ushort checksum);
    // The family the current buffer's bytes say they are of.
    sff::Family bufferFamily() const;

    Ui::MainWindow *ui;
    SettingsDialog settingsDialog;
    SFPThread sfpThread;
    ProgressDialog progressDialog;
    QByteArray copyBuffer;
    QAction *settingsAction = nullptr;
    QAction *aboutAction = nullptr;
    QList<SFPDataMapper *> mappers;
    ModulePages *modulePages = nullptr;
    SeriesDialog *seriesDialog = nullptr;
    // The write's verify found nothing of it kept.
    bool writeNotKept = false;
};
