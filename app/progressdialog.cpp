#include "progressdialog.h"
#include "ui_progressdialog.h"

ProgressDialog::ProgressDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ProgressDialog)
{
    ui->setupUi(this);
}

ProgressDialog::~ProgressDialog()
{
    delete ui;
}

void ProgressDialog::reject()
{
    // Closing here would hide the dialog while the transfer still runs.
    ui->label->setText(tr("Canceling..."));
    emit canceled();
}

void ProgressDialog::setLabel(QString label)
{
    ui->label->setText(label);
}

void ProgressDialog::setProgress(int done, int total)
{
    ui->progressBar_2->setRange(0, total);
    ui->progressBar_2->setValue(done);
}
