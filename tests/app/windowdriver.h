#pragma once
// Drives the main window as an operator would: its widgets by object name,
// answers to the modal boxes and file dialogs it opens, and waiting for a
// transfer to end.

#include "mainwindow.h"
#include "tableviewmodel.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <memory>

#include "simulatorfixture.h"

// The first top-level widget of that class; null if there is none.
QWidget *topLevelWidget(const char *className);

// Answers every message box and file dialog that comes up while it lives.
class ModalAnswerer : public QObject
{
    Q_OBJECT

public:
    ModalAnswerer();

    QMessageBox::StandardButton button = QMessageBox::Ok;  // pressed in every message box
    QString fileName;                                       // chosen in a file dialog; empty cancels it
    QStringList boxTexts;
    QStringList boxTitles;
    int fileDialogs = 0;

private:
    void answer();
    QTimer timer;
};

// Counts the ends of transfers: the progress dialog going away after it was up.
class TransferWatch : public QObject
{
    Q_OBJECT

public:
    explicit TransferWatch(QWidget *progressDialog);
    bool eventFilter(QObject *watched, QEvent *event) override;
    int shown = 0;
    int ended = 0;
};

class WindowDriver
{
public:
    explicit WindowDriver(MainWindow &window);

    MainWindow &window;
    QTabWidget *buffers;
    QComboBox *table;
    QSpinBox *addressStart;
    QSpinBox *addressStop;
    QLineEdit *checksum;
    QTextEdit *log;
    QToolButton *readButton;
    QToolButton *writeButton;
    QToolButton *newButton;
    QToolButton *openButton;
    QToolButton *saveButton;
    QWidget *progressDialog;
    TransferWatch *watch;

    QTableView *view(int tab) const;
    TableViewModel *model(int tab) const;
    TableViewModel *currentModel() const { return model(buffers->currentIndex()); }
    QString status() const;
    QAction *action(const char *name) const;
    // Presses keys as the operator does: through the window's shortcuts.
    void press(const QKeySequence &keys) const;
    // Waits until discovery has listed `count` programmers and selected one.
    bool waitForProgrammers(int count);
    // Clicks a transfer button and waits until the transfer has ended.
    bool transfer(QToolButton *button);
};

// The main window against a simulated programmer holding the sample module,
// with every box answered, made afresh for every test function. A window
// test derives from it and calls fresh() in init() and drop() in cleanup().
class WindowTestBed : public QObject
{
protected:
    WindowTestBed();
    ~WindowTestBed() override;

    // Clears the settings and plugs a fresh sample module in.
    void fresh();
    void drop();
    // Shows the window, loads the settings and waits for the programmers.
    void openWindow(int programmers = 1);

    QTemporaryDir store;
    std::unique_ptr<SimulatorFixture> sim;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<WindowDriver> ui;
    std::unique_ptr<ModalAnswerer> answers;
};
