#include "modulepages.h"

#include "diagnosticsmonitor.h"
#include "documenttab.h"
#include "hexgridview.h"
#include "moduletab.h"
#include "modulepanel.h"
#include "tableviewmodel.h"

#include <QAction>
#include <QTabWidget>
#include <QTableView>
#include <QThread>
#include <QToolButton>

ModulePages::ModulePages(QTabWidget *buffers, QTabWidget *pages, ModulePanel *panel, DiagnosticsMonitor *monitor,
                         QAction *monitorCommand, QThread *windowWorker, QObject *parent)
    : QObject(parent), buffers_(buffers), panel_(panel), monitor_(monitor)
{
    connect(buffers_, &QTabWidget::currentChanged, this, &ModulePages::followCurrentBuffer);
    for (int i = 0; i < buffers_->count(); ++i) {
        QTableView *view = static_cast<DocumentTab *>(buffers_->widget(i))->view();
        connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this, view](const QModelIndex &current) {
                    if (view == currentView() && !selectingCells_ && current.isValid())
                        panel_->selectByte(current.row() * view->model()->columnCount() + current.column());
                });
    }
    connect(panel_, &ModulePanel::bytesSelected, this, &ModulePages::selectCells);
    followCurrentBuffer();

    // The Monitor button sits at the end of the pages' tab bar, next to what it shows.
    auto *button = new QToolButton(pages);
    button->setObjectName(QStringLiteral("tb_monitor"));
    button->setDefaultAction(monitorCommand);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setIconSize(QSize(18, 18));
    button->setAutoRaise(true);
    pages->setCornerWidget(button, Qt::TopRightCorner);

    connect(monitorCommand, &QAction::toggled, monitor_, [monitor, pages](bool on) {
        monitor->setRunning(on);
        if (on)
            pages->setCurrentWidget(monitor);
    });
    connect(monitor_, &DiagnosticsMonitor::stopped, monitorCommand, [monitorCommand] { monitorCommand->setChecked(false); });
    connect(windowWorker, &QThread::finished, monitor_->poller(), &DiagnosticsPoller::release);
}

void ModulePages::holdMonitor()
{
    monitor_->poller()->hold();
}

void ModulePages::releaseMonitor()
{
    monitor_->poller()->release();
}

QTableView *ModulePages::currentView() const
{
    auto *tab = qobject_cast<DocumentTab *>(buffers_->currentWidget());
    return tab ? tab->view() : nullptr;
}

void ModulePages::followCurrentBuffer()
{
    // The Module tab is decoded whole.
    if (auto *module = qobject_cast<ModuleTab *>(buffers_->currentWidget()))
        panel_->setDocument(module->document());
    else if (auto *tab = qobject_cast<DocumentTab *>(buffers_->currentWidget()))
        panel_->setModel(tab->model());
    else
        panel_->setModel(nullptr);
}

void ModulePages::selectCells(int first, int count)
{
    QTableView *view = currentView();
    if (!view || count <= 0)
        return;
    QAbstractItemModel *model = view->model();
    const int columns = model->columnCount();
    // A field may run over several rows: one range per row.
    QItemSelection cells;
    for (int byte = first; byte < first + count;) {
        const int row = byte / columns;
        const int last = qMin(first + count - 1, (row + 1) * columns - 1);
        cells.select(model->index(row, byte % columns), model->index(row, last % columns));
        byte = last + 1;
    }
    selectingCells_ = true;
    view->selectionModel()->setCurrentIndex(model->index(first / columns, first % columns), QItemSelectionModel::NoUpdate);
    view->selectionModel()->select(cells, QItemSelectionModel::ClearAndSelect);
    view->scrollTo(model->index(first / columns, first % columns));
    selectingCells_ = false;
}
