#include "sfpdatamapperchecksum.h"

#include "tableviewmodel.h"

SFPDataMapperChecksum::SFPDataMapperChecksum(int begin, int end, int table)
    : SFPDataMapper(begin, end, table)
{
}

void SFPDataMapperChecksum::update()
{
    if (!model_)
        return;
    // Stored silently: the check code's own change must not set off the
    // mappers again.
    model_->writeChecksum(offset_, length_);
    model_->updateChecksum();
}
