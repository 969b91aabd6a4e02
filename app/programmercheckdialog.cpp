#include "programmercheckdialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>

ProgrammerCheckDialog::ProgrammerCheckDialog(QWidget *parent)
    : QDialog(parent), status(new QLabel(this)), steps(new QTreeWidget(this)), again(new QPushButton(this))
{
    status->setWordWrap(true);
    steps->setObjectName(QStringLiteral("tw_check_steps"));
    steps->setColumnCount(3);
    steps->setRootIsDecorated(false);
    steps->setWordWrap(true);
    steps->setSelectionMode(QAbstractItemView::NoSelection);
    steps->header()->setStretchLastSection(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(again, QDialogButtonBox::ActionRole);
    connect(again, &QPushButton::clicked, this, &ProgrammerCheckDialog::check);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(status);
    layout->addWidget(steps);
    layout->addWidget(buttons);
    resize(760, 360);
    retranslate();
}

ProgrammerCheckDialog::~ProgrammerCheckDialog()
{
    if (running)
        running->wait();
}

void ProgrammerCheckDialog::setProgrammer(QString identity)
{
    programmer = std::move(identity);
}

void ProgrammerCheckDialog::check()
{
    show();
    if (running)
        return;
    found.clear();
    steps->clear();
    if (programmer.isEmpty()) {
        status->setText(tr("No programmer is chosen: pick one in the settings."));
        return;
    }
    status->setText(tr("Checking %1...").arg(programmer));
    again->setEnabled(false);
    running = QThread::create([this, identity = programmer] { found = ProgrammerCheck::run(identity); });
    connect(running, &QThread::finished, this, [this] {
        running->deleteLater();
        running = nullptr;
        again->setEnabled(true);
        showSteps();
        emit checked(ProgrammerCheck::passed(found));
    });
    running->start();
}

void ProgrammerCheckDialog::showSteps()
{
    steps->clear();
    for (const CheckStep &step : found) {
        auto *item = new QTreeWidgetItem(steps, {ProgrammerCheck::outcomeWord(step.outcome), step.title, step.finding});
        item->setToolTip(2, step.finding);
        switch (step.outcome) {
        case CheckStep::Passed: item->setIcon(0, style()->standardIcon(QStyle::SP_DialogApplyButton)); break;
        case CheckStep::Failed: item->setIcon(0, style()->standardIcon(QStyle::SP_MessageBoxCritical)); break;
        case CheckStep::Noted: item->setIcon(0, style()->standardIcon(QStyle::SP_MessageBoxInformation)); break;
        case CheckStep::Skipped: break;
        }
    }
    steps->resizeColumnToContents(0);
    steps->resizeColumnToContents(1);
    status->setText(ProgrammerCheck::passed(found) ? tr("%1 works: every step passed.").arg(programmer)
                                                   : tr("%1: a step failed; its line says why and what to do.")
                                                         .arg(programmer));
}

void ProgrammerCheckDialog::done(int result)
{
    if (running)
        running->wait();
    QDialog::done(result);
}

void ProgrammerCheckDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void ProgrammerCheckDialog::retranslate()
{
    setWindowTitle(tr("Vexa Modulant - Check programmer"));
    steps->setHeaderLabels({tr("Outcome"), tr("Step"), tr("What it found")});
    again->setText(tr("Check &again"));
}
