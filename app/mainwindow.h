#pragma once
// The tool's one window: three buffers of one table each and the Module tab
// with a whole module, the table selector and range, the field editors, the
// log, the Module panel and the monitor below a splitter, and the commands.
// The file commands are in filecommands.cpp, the transfers in
// transfercommands.cpp and modulecommands.cpp, Compare in comparecommands.cpp.

#include "address.h"
#include "family.h"
#include "progressdialog.h"
#include "settingsdialog.h"
#include "sfpthread.h"
#include "wholemodulejob.h"

#include <QByteArray>
#include <QList>
#include <QMainWindow>
#include <QUndoGroup>

namespace Ui {
class MainWindow;
}
class BufferTab;
class CompareDialog;
class Differences;
class DocumentTab;
class LoadedImage;
class ModulePages;
class ModuleTab;
class RecentFiles;
class SeriesDialog;
class QAction;
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

    // The program's name and version, after which the title names the current buffer.
    QString titleBase() const { return titleBase_; }
    void setTitleBase(const QString &base);

    // Opens a file into the current buffer, or as a whole module into the
    // Module tab, asking first about unsaved changes; false when it did not.
    bool openFile(const QString &fileName);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

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

    DocumentTab *currentTab() const;
    TableViewModel *currentModel() const;
    bool moduleIsCurrent() const;
    // The region the table selector names, and the selector set to a region.
    sff::Region selectedRegion() const;
    void showRegion(const sff::Region &region);
    // The window as the buffer's family has it: SFP field editors for SFP modules only.
    void showFamily();
    void applySelectedRegion();
    void bindMappers();
    // The three buffers and the Module tab.
    void createDocuments();
    void createEditMenu();
    void connectEditMenu();
    void updateTitle();
    void restoreLayout();
    void saveLayout() const;

    // filecommands.cpp
    // The device an i2cdump is of, asked of the operator; false when cancelled.
    bool askDumpDevice(const QString &fileName, quint8 *device);
    // Asks to save a changed document: false when the operator cancels.
    bool askToSave(DocumentTab *tab);
    bool askToSaveAll();
    bool saveDocument(DocumentTab *tab);
    void newDocument();
    void rememberFile(const QString &fileName, const char *folderKey);
    void copyTable();
    void pasteTable();

    // transfercommands.cpp
    void startJob(int mode);
    void waitForWorker();
    void waitForPreviousJob();
    void showRangeAndChecksum();
    void retranslateWindow();
    void appendPlain(const QString &text);
    void appendHexDump(SFPThread::LogType log_type, const QByteArray &data, int firstAddress,
                       const QByteArray &expected);
    void judgeVerify(const QByteArray &data, ushort checksum);
    // The family the current buffer's bytes say they are of.
    sff::Family bufferFamily() const;

    // modulecommands.cpp
    void connectModuleJob();
    void readModule();
    void writeModule();
    void startModuleJob(const QString &label);
    void moduleJobFinished(WholeModuleJob::Outcome outcome);
    void logModuleRegion(SFPThread::LogType type, const QString &message, const QByteArray &data, ushort checksum,
                         int firstByte);
    // What the Module tab's document holds, or a buffer's region.
    sff::ModuleImage currentImage() const;

    // comparecommands.cpp
    void showCompare();
    void compareWith(int source);
    void showComparison(const sff::ModuleImage &other, const QString &otherTitle, bool keptOnly);
    void clearMarks();

    Ui::MainWindow *ui;
    SettingsDialog settingsDialog;
    SFPThread sfpThread;
    WholeModuleJob moduleJob;
    ProgressDialog progressDialog;
    QUndoGroup undoGroup;
    QByteArray copyBuffer;
    QString titleBase_;
    bool splitterPending_ = false;
    QAction *settingsAction = nullptr;
    QAction *aboutAction = nullptr;
    QList<SFPDataMapper *> mappers;
    QList<BufferTab *> buffers;
    ModuleTab *moduleTab = nullptr;
    ModulePages *modulePages = nullptr;
    SeriesDialog *seriesDialog = nullptr;
    // The write's verify found nothing of it kept.
    bool writeNotKept = false;
    RecentFiles *recentFiles = nullptr;
    CompareDialog *compareDialog = nullptr;
    // What the module job is for: reading into the Module tab, writing it, or a compare.
    enum class ModuleJobUse { Read, Write, Compare } moduleJobUse = ModuleJobUse::Read;
};
