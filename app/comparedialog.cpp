#include "comparedialog.h"
#include "ui_comparedialog.h"

#include "differences.h"

#include <QEvent>
#include <QHeaderView>
#include <QPushButton>

CompareDialog::CompareDialog(QWidget *parent) : QDialog(parent), ui(new Ui::CompareDialog)
{
    ui->setupUi(this);
    ui->tw_differences->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(ui->pb_compare, &QPushButton::clicked, this,
            [this] { emit compareRequested(ui->cb_source->currentData().toInt()); });
}

CompareDialog::~CompareDialog()
{
    delete ui;
}

void CompareDialog::setSources(const QStringList &titles, const QList<int> &ids)
{
    const int kept = ui->cb_source->currentData().isValid() ? ui->cb_source->currentData().toInt() : -1;
    ui->cb_source->clear();
    for (int i = 0; i < titles.size(); ++i)
        ui->cb_source->addItem(titles.at(i), ids.at(i));
    const int index = ui->cb_source->findData(kept);
    ui->cb_source->setCurrentIndex(index >= 0 ? index : 0);
}

void CompareDialog::showDifferences(const Differences &differences, const QString &firstTitle,
                                    const QString &secondTitle)
{
    ui->tw_differences->clear();
    ui->tw_differences->headerItem()->setText(2, firstTitle);
    ui->tw_differences->headerItem()->setText(3, secondTitle);
    for (const Differences::Byte &byte : differences.bytes()) {
        auto *item = new QTreeWidgetItem(ui->tw_differences);
        item->setText(0, QStringLiteral("0x%1").arg(byte.flatOffset, 4, 16, QLatin1Char('0')));
        item->setText(1, Differences::where(byte.address));
        item->setText(2, QStringLiteral("%1").arg(byte.first, 2, 16, QLatin1Char('0')).toUpper());
        item->setText(3, QStringLiteral("%1").arg(byte.second, 2, 16, QLatin1Char('0')).toUpper());
        item->setText(4, sff::fieldNameAt(byte.address));
    }
    ui->lb_summary->setText(differences.isEmpty() ? tr("%1 and %2 hold the same bytes.").arg(firstTitle, secondTitle)
                                                  : tr("Bytes that differ: %1").arg(differences.count()));
}

void CompareDialog::showProblem(const QString &problem)
{
    ui->tw_differences->clear();
    ui->lb_summary->setText(problem);
}

void CompareDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
