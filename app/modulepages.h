#pragma once
// The Module panel and the diagnostics monitor in the main window. The panel
// stands for the current buffer and shares the grid's selection both ways;
// the monitor runs while its command is on (the Diagnostics menu, and a tool
// button beside the pages' tabs) and steps aside for the window's own
// transfers.

#include <QObject>

class DiagnosticsMonitor;
class ModulePanel;
class QAction;
class QTabWidget;
class QTableView;
class QThread;

class ModulePages : public QObject
{
    Q_OBJECT

public:
    // `buffers` holds the buffers and the Module tab; `pages` the panel and the monitor.
    ModulePages(QTabWidget *buffers, QTabWidget *pages, ModulePanel *panel, DiagnosticsMonitor *monitor,
                QAction *monitorCommand, QThread *windowWorker, QObject *parent);

    // Just before the window's worker starts a transfer: the monitor leaves
    // the bus to it until it has finished.
    void holdMonitor();
    // Lets the monitor go on after a series, which holds it while it runs.
    void releaseMonitor();

private:
    QTableView *currentView() const;
    void followCurrentBuffer();
    void selectCells(int first, int count);

    QTabWidget *buffers_;
    ModulePanel *panel_;
    DiagnosticsMonitor *monitor_;
    bool selectingCells_ = false;
};
