#pragma once
// A small plot of one quantity over the last ten minutes, drawn with
// QPainter: the samples as a line, the module's warning and alarm
// thresholds as dashed lines where they fall within the values' range.

#include <QVector>
#include <QWidget>

class TrendPlot : public QWidget
{
    Q_OBJECT

public:
    // The plot shows the last ten minutes, and at least the first one.
    static constexpr double kSpanS = 600;
    static constexpr double kFirstSpanS = 60;

    explicit TrendPlot(QWidget *parent = nullptr);

    // Samples as (seconds since the monitor started, value); the newest last.
    void setSamples(const QVector<QPointF> &samples, double nowS);
    // High alarm, low alarm, high warning, low warning; none when not set.
    void setThresholds(const QVector<double> &thresholds);
    void setDecimals(int decimals) { decimals_ = decimals; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVector<QPointF> samples_;
    QVector<double> thresholds_;
    double nowS_ = 0;
    int decimals_ = 2;
};
