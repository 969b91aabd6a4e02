#include "sfpdatamapper.h"

#include "tableviewmodel.h"

#include "family.h"
#include "moduleimage.h"

SFPDataMapper::SFPDataMapper(int offset, int length, int table)
    : offset_(offset)
    , length_(length)
    , table_(table)
{
}

void SFPDataMapper::setModel(TableViewModel *model)
{
    if (watched_)
        disconnect(watched_, nullptr, this, nullptr);
    watched_ = model && model->table() == table_ ? model : nullptr;
    if (watched_) {
        connect(watched_, &QAbstractItemModel::dataChanged, this, &SFPDataMapper::modelDataChanged);
        connect(watched_, &QAbstractItemModel::modelReset, this, &SFPDataMapper::modelReset);
    }
    modelReset();
}

void SFPDataMapper::modelReset()
{
    // The fields are an SFP module's: the same bytes of a QSFP module's
    // lower page are its flags and monitors, which no editor, and no check
    // code, may touch.
    const bool sfp = watched_ && watched_->table() == table_
                     && sff::familyOf(sff::ModuleImage::fromRegion(watched_->region(), watched_->buffer()))
                            == sff::Family::Sfp;
    model_ = sfp ? watched_ : nullptr;
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
