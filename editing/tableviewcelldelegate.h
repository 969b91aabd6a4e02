#pragma once
// Item delegate of a buffer's table view: edits one byte in a small
// hexadecimal spin box and writes it back through the model's setData.

#include <QStyledItemDelegate>

class TableViewCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit TableViewCellDelegate(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

signals:
    // Every open editor commits its value and closes; emitted before the
    // buffer is taken for a write, so a typed but unconfirmed byte counts.
    void forceApply();

private slots:
    void commitAndClose();
};
