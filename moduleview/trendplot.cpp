#include "trendplot.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

TrendPlot::TrendPlot(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void TrendPlot::setSamples(const QVector<QPointF> &samples, double nowS)
{
    samples_ = samples;
    nowS_ = nowS;
    update();
}

void TrendPlot::setThresholds(const QVector<double> &thresholds)
{
    thresholds_ = thresholds;
    update();
}

QSize TrendPlot::sizeHint() const
{
    return {240, 40};
}

QSize TrendPlot::minimumSizeHint() const
{
    return {80, 28};
}

void TrendPlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.fillRect(frame, palette().base());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
    if (samples_.isEmpty())
        return;

    // The values' own range, widened a little so that a steady value is a
    // line in the middle rather than at an edge.
    double low = samples_.front().y(), high = low;
    for (const QPointF &sample : qAsConst(samples_)) {
        low = std::min(low, sample.y());
        high = std::max(high, sample.y());
    }
    const double margin = std::max((high - low) * 0.15, std::max(std::abs(high) * 0.01, std::pow(10.0, -decimals_)));
    low -= margin;
    high += margin;

    const QFontMetrics metrics(font());
    const double labelWidth = metrics.horizontalAdvance(QString::number(-high, 'f', decimals_)) + 6;
    const QRectF area = frame.adjusted(labelWidth, 3, -3, -3);
    const double span = std::clamp(nowS_, kFirstSpanS, kSpanS);
    const auto x = [&](double seconds) { return area.right() - (nowS_ - seconds) / span * area.width(); };
    const auto y = [&](double value) { return area.bottom() - (value - low) / (high - low) * area.height(); };

    // Thresholds: alarms red, warnings amber.
    for (int i = 0; i < thresholds_.size(); ++i) {
        const double level = thresholds_[i];
        if (level < low || level > high)
            continue;
        painter.setPen(QPen(i < 2 ? QColor(0xC6, 0x28, 0x28) : QColor(0xE0, 0x8E, 0x0B), 1, Qt::DashLine));
        painter.drawLine(QPointF(area.left(), y(level)), QPointF(area.right(), y(level)));
    }

    QPainterPath line;
    for (const QPointF &sample : qAsConst(samples_)) {
        const QPointF point(std::max(x(sample.x()), area.left()), y(sample.y()));
        if (line.elementCount() == 0)
            line.moveTo(point);
        else
            line.lineTo(point);
    }
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
    painter.drawPath(line);

    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRectF(frame.left() + 2, frame.top(), labelWidth - 4, frame.height() / 2),
                     Qt::AlignRight | Qt::AlignTop, QString::number(high, 'f', decimals_));
    painter.drawText(QRectF(frame.left() + 2, frame.center().y(), labelWidth - 4, frame.height() / 2),
                     Qt::AlignRight | Qt::AlignBottom, QString::number(low, 'f', decimals_));
}
