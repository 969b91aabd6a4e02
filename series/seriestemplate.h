#pragma once
// The image a series writes into every module, and what it becomes for one
// module: its serial number and date code put in, the check codes made right.
//
// A template gives A0 Low, which it must hold, A0 High where it holds it,
// and the user area of A2h where it holds A2 High or A2h's page 00h (A2 High
// but for the vendor's control bytes, which each module keeps). A2 Low, the
// diagnostics' thresholds and calibration, is never written by a series.
// A QSFP template (byte 0 or page 00h's identifier says so) gives page 00h,
// which it must hold; its thresholds (page 03h) are never written either.

#include "family.h"
#include "moduleimage.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

class LoadedImage;

class SeriesTemplate
{
    Q_DECLARE_TR_FUNCTIONS(SeriesTemplate)

public:
    static bool load(const QString &fileName, SeriesTemplate *loaded, QString *error);
    static SeriesTemplate fromImage(const LoadedImage &image);

    bool isEmpty() const { return regions_.isEmpty(); }
    // The tables it writes, A0 Low first (sff::Table values).
    const QList<int> &tables() const { return tables_; }
    QByteArray table(int table) const;

    // A0 Low for one module: `serial`, and the date code of `date` when it is
    // valid (the template's lot code kept), with both check codes recomputed.
    QByteArray a0LowFor(const QString &serial, const QDate &date) const;
    // A2 High for one module: the template's user area before the module's
    // own vendor control bytes.
    QByteArray a2HighFor(const QByteArray &moduleA2High) const;

    // The modules it programs, and the regions it writes in order: the
    // tables above, or a QSFP module's page 00h.
    sff::Family family() const { return family_; }
    const QList<sff::Region> &regions() const { return regions_; }
    // The region where a module says who it is: A0 Low, or page 00h.
    sff::Region identityRegion() const;
    // What a region becomes for one module, which held `before` there: the
    // serial number and the date code go into the identity region.
    QByteArray regionFor(const sff::Region &region, const QString &serial, const QDate &date,
                         const QByteArray &before) const;

private:
    sff::ModuleImage image_;
    QList<int> tables_;
    QList<sff::Region> regions_;
    sff::Family family_ = sff::Family::Sfp;
};
