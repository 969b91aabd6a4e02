#include "diagnosticsmonitor.h"
#include "ui_diagnosticsmonitor.h"

#include "statuslook.h"
#include "trendplot.h"

#include <QEvent>
#include <QLabel>

namespace {

constexpr int kDecimals[sff::a2::kQuantityCount] = {2, 4, 3, 4, 4};

sff::Status statusOf(sff::Level level)
{
    switch (level) {
    case sff::Level::Normal: return sff::Status::Ok;
    case sff::Level::Warning: return sff::Status::Warning;
    case sff::Level::Alarm: return sff::Status::Error;
    }
    return sff::Status::Ok;
}

}  // namespace

DiagnosticsMonitor::DiagnosticsMonitor(QWidget *parent) : QWidget(parent), ui(new Ui::DiagnosticsMonitor)
{
    ui->setupUi(this);
    // Until a module says otherwise, the rows of an SFP module.
    QVector<sff::Measurement> sfp(sff::a2::kQuantityCount);
    for (int q = 0; q < sfp.size(); ++q)
        sfp[q].quantity = q;
    makeRows(sfp);
    ui->gl_values->setColumnStretch(3, 1);

    connect(&poller_, &DiagnosticsPoller::updated, this, &DiagnosticsMonitor::showDiagnostics);
    connect(&poller_, &DiagnosticsPoller::noDiagnostics, this, [this] {
        showState(State::NoDiagnostics);
        emit stopped();
    });
    connect(&poller_, &DiagnosticsPoller::failed, this, [this](QString message) {
        showState(State::Failed, message);
        emit stopped();
    });
    retranslate();
}

DiagnosticsMonitor::~DiagnosticsMonitor()
{
    delete ui;
}

void DiagnosticsMonitor::makeRows(const QVector<sff::Measurement> &measurements)
{
    for (Row &row : rows_) {
        delete row.name;
        delete row.value;
        delete row.state;
        delete row.plot;
    }
    rows_.clear();
    last_ = measurements;
    QWidget *values = ui->w_values;
    for (int i = 0; i < measurements.size(); ++i) {
        const sff::Measurement &m = measurements.at(i);
        Row row;
        row.name = new QLabel(values);
        row.value = new QLabel(values);
        row.value->setObjectName(QStringLiteral("value_") + m.key());
        row.value->setAutoFillBackground(true);
        row.value->setMargin(2);
        row.state = new QLabel(values);
        row.state->setObjectName(QStringLiteral("state_") + m.key());
        row.plot = new TrendPlot(values);
        row.plot->setDecimals(kDecimals[m.quantity]);
        ui->gl_values->addWidget(row.name, i, 0);
        ui->gl_values->addWidget(row.value, i, 1);
        ui->gl_values->addWidget(row.state, i, 2);
        ui->gl_values->addWidget(row.plot, i, 3);
        rows_.append(row);
    }
}

void DiagnosticsMonitor::setSerialNumber(QString serialNumber)
{
    poller_.setSerialNumber(serialNumber);
}

void DiagnosticsMonitor::setRunning(bool running)
{
    if (running == poller_.isActive())
        return;
    if (!running) {
        poller_.stop();
        showState(State::Off);
        return;
    }
    // A new run starts a new plot.
    for (Row &row : rows_)
        row.samples.clear();
    hasValues_ = false;
    clock_.start();
    showState(State::Starting);
    poller_.start();
}

void DiagnosticsMonitor::showDiagnostics(const QVector<sff::Measurement> &measurements)
{
    const auto keys = [](const QVector<sff::Measurement> &list) {
        QStringList names;
        for (const sff::Measurement &m : list)
            names.append(m.key());
        return names;
    };
    if (keys(measurements) != keys(last_))
        makeRows(measurements);
    last_ = measurements;
    hasValues_ = true;
    const double now = clock_.elapsed() / 1000.0;
    for (int i = 0; i < rows_.size(); ++i) {
        const sff::Measurement &m = measurements.at(i);
        QVector<QPointF> &samples = rows_[i].samples;
        samples.append({now, m.value});
        while (!samples.isEmpty() && samples.front().x() < now - TrendPlot::kSpanS)
            samples.removeFirst();
        rows_[i].plot->setSamples(samples, now);
        rows_[i].plot->setThresholds(m.hasThresholds ? QVector<double>(std::begin(m.thresholds), std::end(m.thresholds))
                                                     : QVector<double>());
        showRow(i);
    }
    if (state_ != State::Running)
        showState(State::Running);
}

void DiagnosticsMonitor::showRow(int i)
{
    Row &row = rows_[i];
    const sff::Measurement &m = last_.at(i);
    const int q = m.quantity;
    const sff::Words words(sff::Language::Translated);
    row.name->setText(m.name(words));
    if (!hasValues_) {
        row.value->setText(QStringLiteral("-"));
        row.value->setPalette(palette());
        row.state->clear();
        return;
    }
    const double value = m.value;
    const sff::ValueText text = sff::describeValue(q, value, m.rxPowerKind, words);
    row.value->setText(text.shown());
    row.value->setToolTip(text.problem);
    if (text.reading != sff::Reading::Valid) {
        // The module's calibration gives nothing to judge against thresholds.
        row.value->setPalette(statusPalette(palette(), sff::Status::Warning));
        row.state->setText(text.reading == sff::Reading::Invalid ? tr("not a number") : tr("out of range"));
        return;
    }

    const sff::Level level = m.level();
    const double(&limits)[4] = m.thresholds;
    row.value->setPalette(!m.hasThresholds           ? palette()
                          : level == sff::Level::Normal ? normalPalette(palette())
                                                        : statusPalette(palette(), statusOf(level)));
    if (!m.hasThresholds)
        row.state->setText(tr("no thresholds"));
    else if (level == sff::Level::Normal)
        row.state->setText(tr("normal"));
    else if (level == sff::Level::Alarm)
        row.state->setText(value > limits[sff::a2::kHighAlarm] ? tr("high alarm") : tr("low alarm"));
    else
        row.state->setText(value > limits[sff::a2::kHighWarning] ? tr("high warning") : tr("low warning"));
}

void DiagnosticsMonitor::showState(State state, const QString &failure)
{
    state_ = state;
    failure_ = failure;
    switch (state) {
    case State::Off:
        ui->lb_status->setText(hasValues_ ? tr("Stopped. The values are the last ones read.")
                                          : tr("Monitor reads the module's diagnostics once a second."));
        break;
    case State::Starting:
        ui->lb_status->setText(tr("Reading the module's thresholds..."));
        break;
    case State::Running:
        ui->lb_status->setText(
            tr("Reading the diagnostics of the %1 module once a second.")
                .arg(sff::familyTitle(sff::familyOf(poller_.image()), sff::Words(sff::Language::Translated))));
        break;
    case State::NoDiagnostics:
        ui->lb_status->setText(tr("This module has no digital diagnostics"));
        break;
    case State::Failed:
        ui->lb_status->setText(tr("Stopped: %1").arg(failure));
        break;
    }
}

void DiagnosticsMonitor::retranslate()
{
    showState(state_, failure_);
    for (int i = 0; i < rows_.size(); ++i)
        showRow(i);
}

void DiagnosticsMonitor::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslate();
    }
    QWidget::changeEvent(event);
}
