#pragma once
// The diagnostics monitor: temperature, supply voltage, bias current and the
// two powers of the module in the programmer (of each of a QSFP module's
// four lanes), read once a second, each judged against the module's own
// thresholds, with a plot of the last ten minutes.

#include "diagnosticspoller.h"

#include <QElapsedTimer>
#include <QVector>
#include <QWidget>

namespace Ui {
class DiagnosticsMonitor;
}
class QLabel;
class TrendPlot;

class DiagnosticsMonitor : public QWidget
{
    Q_OBJECT

public:
    explicit DiagnosticsMonitor(QWidget *parent = nullptr);
    ~DiagnosticsMonitor() override;

    DiagnosticsPoller *poller() { return &poller_; }
    bool isRunning() const { return poller_.isActive(); }

    // As much as the log asks for; the rows scroll when there is less.
    QSize sizeHint() const override { return {480, 200}; }
    // Its wrapped texts must not make the window's layout hand it their
    // whole height at the grid's expense.
    bool hasHeightForWidth() const override { return false; }

public slots:
    void setRunning(bool running);
    void setSerialNumber(QString serialNumber);

signals:
    // It stopped by itself: the module has no diagnostics, or a transfer failed.
    void stopped();

protected:
    void changeEvent(QEvent *event) override;

private:
    enum class State { Off, Starting, Running, NoDiagnostics, Failed };
    struct Row {
        QLabel *name = nullptr;
        QLabel *value = nullptr;
        QLabel *state = nullptr;
        TrendPlot *plot = nullptr;
        QVector<QPointF> samples;
    };

    // One row for each measurement, as the module gives them.
    void makeRows(const QVector<sff::Measurement> &measurements);
    void showDiagnostics(const QVector<sff::Measurement> &measurements);
    void showRow(int row);
    void showState(State state, const QString &failure = QString());
    void retranslate();

    Ui::DiagnosticsMonitor *ui;
    DiagnosticsPoller poller_;
    QVector<Row> rows_;
    QElapsedTimer clock_;
    QVector<sff::Measurement> last_;
    bool hasValues_ = false;
    State state_ = State::Off;
    QString failure_;
};
