#include "aboutdialog.h"
#include "ui_aboutdialog.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

// The form's version text is a template; the version is filled in at run time.
void fillInVersion(QLabel *label)
{
    label->setText(label->text().arg(QCoreApplication::applicationVersion()));
}

}  // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::AboutDialog)
{
    ui->setupUi(this);
    fillInVersion(ui->l_version);
}

AboutDialog::~AboutDialog()
{
    delete ui;
}

void AboutDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        fillInVersion(ui->l_version);
    }
}
