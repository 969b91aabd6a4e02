#include "sfpdatamapper.h"

#include "tableviewmodel.h"

SFPDataMapper::SFPDataMapper(int offset, int length, int table)
    : offset_(offset)
    , length_(length)
    , table_(table)
{
}

void SFPDataMapper::setModel(TableViewModel *model)
{
    if (model_) {
        disconnect(model_, &QAbstractItemModel::dataChanged, this, &SFPDataMapper::modelDataChanged);
        disconnect(model_, &QAbstractItemModel::modelReset, this, &SFPDataMapper::modelReset);
        model_ = nullptr;
    }
    if (model && model->table() == table_) {
        connect(model, &QAbstractItemModel::dataChanged, this, &SFPDataMapper::modelDataChanged);
        connect(model, &QAbstractItemModel::modelReset, this, &SFPDataMapper::modelReset);
        model_ = model;
    }
    update();
}

bool SFPDataMapper::contains(int pos) const
{
    return offset_ <= pos && pos <= offset_ + length_;
}

bool SFPDataMapper::holdsTable() const
{
    // A model that has moved to another table keeps the mapper until it is
    // bound again: its bytes are not this mapper's to follow.
    return model_ && model_->table() == table_;
}

void SFPDataMapper::modelReset()
{
    if (holdsTable())
        update();
}

void SFPDataMapper::modelDataChanged(const QModelIndex &index, const QModelIndex &)
{
    if (!index.isValid() || !holdsTable())
        return;
    // A change of several cells is judged by its first cell.
    const int pos = index.row() * index.model()->columnCount() + index.column();
    if (contains(pos))
        update();
}

void SFPDataMapper::notifyWritten()
{
    if (!model_)
        return;
    const int columns = model_->columnCount();
    const int last = offset_ + length_ - 1;
    emit model_->dataChanged(model_->index(offset_ / columns, offset_ % columns),
                             model_->index(last / columns, last % columns), {});
    model_->updateChecksum();
}
