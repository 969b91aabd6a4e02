#include "tableviewcelldelegate.h"

#include "spinboxuppercase.h"
#include "tableviewmodel.h"

namespace {

int byteFromText(const QVariant &text)
{
    bool ok = false;
    const int value = text.toString().toInt(&ok, 16);
    return ok ? value : 0;
}

} // namespace

TableViewCellDelegate::TableViewCellDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

void TableViewCellDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    // A byte a compare found different.
    if (index.data(TableViewModel::kMarkedRole).toBool()) {
        option->backgroundBrush = QColor(0xff, 0xd6, 0xd6);
        option->palette.setColor(QPalette::Text, QColor(0xa3, 0x16, 0x1a));
        option->font.setBold(true);
    }
}

QWidget *TableViewCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                             const QModelIndex &index) const
{
    auto *editor = new SpinBoxUppercase(parent);
    editor->setAlignment(Qt::AlignCenter);
    editor->setButtonSymbols(QAbstractSpinBox::NoButtons);
    editor->setMinimum(0);
    editor->setMaximum(255);
    editor->setDisplayIntegerBase(16);
    editor->setValue(byteFromText(index.data(Qt::DisplayRole)));

    // The editor is the context, so the connection goes with it.
    auto *self = const_cast<TableViewCellDelegate *>(this);
    connect(self, &TableViewCellDelegate::forceApply, editor, [self, editor]() {
        emit self->commitData(editor);
        emit self->closeEditor(editor);
    });
    return editor;
}

void TableViewCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *spinBox = qobject_cast<QSpinBox *>(editor))
        spinBox->setValue(byteFromText(index.data(Qt::DisplayRole)));
}

void TableViewCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                         const QModelIndex &index) const
{
    auto *spinBox = qobject_cast<QSpinBox *>(editor);
    if (!spinBox)
        return;
    // Take what is typed even if it was never confirmed with Enter.
    spinBox->interpretText();
    const QString text = QStringLiteral("%1").arg(spinBox->value(), 2, 16, QLatin1Char('0')).toUpper();
    model->setData(index, text, Qt::EditRole);
}

void TableViewCellDelegate::commitAndClose()
{
    auto *editor = qobject_cast<QSpinBox *>(sender());
    if (!editor)
        return;
    emit commitData(editor);
    emit closeEditor(editor);
}
