#pragma once
// Keeps one of the module's check codes: byte `end` holds the 8-bit sum of
// bytes begin .. end - 1, recomputed whenever any of them (or it) changes.

#include "sfpdatamapper.h"

class SFPDataMapperChecksum : public SFPDataMapper
{
    Q_OBJECT

public:
    SFPDataMapperChecksum(int begin, int end, int table);

public slots:
    void update() override;
};
