#pragma once
// The hex grid of one 128-byte table: sixteen narrow columns of two digits,
// as compact at any width as at the first, edited cell by cell with the
// byte editor. A wider window leaves room beside it rather than stretching
// the cells.

#include <QTableView>

class HexGridView : public QTableView
{
    Q_OBJECT

public:
    explicit HexGridView(QWidget *parent = nullptr);

    // The whole grid with its headers, and no more.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void setModel(QAbstractItemModel *model) override;
    // Commits a byte typed into a cell but not yet confirmed.
    void commitEditor();

protected:
    void changeEvent(QEvent *event) override;

private:
    void fitSections();
};
