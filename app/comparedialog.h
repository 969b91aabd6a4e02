#pragma once
// Compare with...: the current buffer (or the Module tab) against another
// buffer, a file or the module in the socket. The window makes the compare;
// the dialog lists each differing byte with its address and field, as the
// command line's diff does, while the grid marks them.

#include <QDialog>

namespace Ui {
class CompareDialog;
}
class Differences;

class CompareDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CompareDialog(QWidget *parent = nullptr);
    ~CompareDialog() override;

    // What the current document can be compared with; `data` comes back in compareRequested.
    void setSources(const QStringList &titles, const QList<int> &ids);
    void showDifferences(const Differences &differences, const QString &firstTitle, const QString &secondTitle);
    void showProblem(const QString &problem);

signals:
    void compareRequested(int source);

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::CompareDialog *ui;
};
