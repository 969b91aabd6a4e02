#pragma once
// The modal busy indicator shown while a transfer runs. Escape or the close
// button only asks for a stop: the dialog stays up until its owner accepts it
// once the work has really ended.

#include <QDialog>

namespace Ui {
class ProgressDialog;
}

class ProgressDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ProgressDialog(QWidget *parent = nullptr);
    ~ProgressDialog() override;

public slots:
    void reject() override;
    void setLabel(QString label);
    // Done of total; a total of 0 shows the work as busy, without a count.
    void setProgress(int done, int total);

signals:
    void canceled();

private:
    Ui::ProgressDialog *ui;
};
