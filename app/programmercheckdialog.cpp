#include "programmercheckdialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QThread>
#include <QVBoxLayout>

ProgrammerCheckDialog::ProgrammerCheckDialog(QWidget *parent)
    : QDialog(parent), status(new QLabel(this)), steps(new QGridLayout), again(new QPushButton(this))
{
    status->setWordWrap(true);
    steps->setObjectName(QStringLiteral("gl_check_steps"));
    steps->setColumnStretch(3, 1);
    steps->setAlignment(Qt::AlignTop);
    auto *list = new QWidget;
    list->setLayout(steps);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setWidget(list);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(again, QDialogButtonBox::ActionRole);
    connect(again, &QPushButton::clicked, this, &ProgrammerCheckDialog::check);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(status);
    layout->addWidget(scroll);
    layout->addWidget(buttons);
    resize(760, 400);
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
    showSteps();
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
        status->setText(ProgrammerCheck::passed(found)
                            ? tr("%1 works: every step passed.").arg(programmer)
                            : tr("%1: a step failed; its line says why and what to do.").arg(programmer));
        emit checked(ProgrammerCheck::passed(found));
    });
    running->start();
}

void ProgrammerCheckDialog::showSteps()
{
    while (QLayoutItem *item = steps->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (int row = 0; row < found.size(); ++row) {
        const CheckStep &step = found[row];
        auto *icon = new QLabel;
        if (step.outcome != CheckStep::Skipped) {
            const QStyle::StandardPixmap shown = step.outcome == CheckStep::Passed ? QStyle::SP_DialogApplyButton
                                                 : step.outcome == CheckStep::Failed ? QStyle::SP_MessageBoxCritical
                                                                                     : QStyle::SP_MessageBoxInformation;
            icon->setPixmap(style()->standardIcon(shown).pixmap(style()->pixelMetric(QStyle::PM_SmallIconSize)));
        }
        auto *finding = new QLabel(step.finding);
        finding->setWordWrap(true);
        steps->addWidget(icon, row, 0, Qt::AlignTop);
        steps->addWidget(new QLabel(ProgrammerCheck::outcomeWord(step.outcome)), row, 1, Qt::AlignTop);
        steps->addWidget(new QLabel(step.title), row, 2, Qt::AlignTop);
        steps->addWidget(finding, row, 3);
    }
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
    again->setText(tr("Check &again"));
}
