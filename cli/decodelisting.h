#pragma once
// A module's decode as text for a terminal: what hosts act on first, then
// each section's fields, name and value aligned, with every warning and
// error spelt out in words, so that it reads the same without colour.

#include "decoder.h"

#include <QCoreApplication>
#include <QString>

class DecodeListing
{
    Q_DECLARE_TR_FUNCTIONS(DecodeListing)

public:
    // `colour` adds terminal colours to the section titles and the statuses.
    static QString text(const sff::Decoded &decoded, bool colour);

private:
    // "[warning]" or "[error]"; empty for a status that is ok.
    static QString marker(sff::Status status);
};
