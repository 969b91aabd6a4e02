#pragma once
// The programmer check in the window: the programmer chosen in the settings,
// each step with its outcome and what it found, and Check again. The check
// runs on a thread of its own so that the dialog stays responsive; closing
// the dialog waits for it to end.

#include "programmercheck.h"

#include <QDialog>

class QGridLayout;
class QLabel;
class QPushButton;
class QThread;

class ProgrammerCheckDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ProgrammerCheckDialog(QWidget *parent = nullptr);
    ~ProgrammerCheckDialog() override;

public slots:
    void setProgrammer(QString identity);
    // Shows the dialog and runs the check, unless one is running.
    void check();

signals:
    // The steps are shown.
    void checked(bool passed);

protected:
    void changeEvent(QEvent *event) override;
    void done(int result) override;

private:
    void retranslate();
    void showSteps();

    QString programmer;
    QLabel *status;
    // A row a step: outcome icon, outcome, step, what it found (wrapped).
    QGridLayout *steps;
    QPushButton *again;
    QThread *running = nullptr;
    QList<CheckStep> found;
};
