#pragma once
// What -t names: regions by name (a0-low, a0-high, a2-low, a2-high,
// a2-page-NN, lower, page-NN, bank-N-page-NN), the two tables of a device
// (a0, a2), and all: every region the module advertises, or the image holds.

#include "family.h"
#include "moduleimage.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

class RegionSelection
{
    Q_DECLARE_TR_FUNCTIONS(RegionSelection)

public:
    // Parses -t values; a value may list several names with commas.
    static bool parse(const QStringList &values, RegionSelection *selection, QString *error);
    static RegionSelection allRegions();
    // The names -t takes that a shell offers: every table and group, and the
    // pages most modules have (any other page is named the same way).
    static QStringList commonNames();
    static RegionSelection of(const QList<sff::Region> &regions);

    bool isEmpty() const { return !all_ && named_.isEmpty(); }
    bool isAll() const { return all_; }
    // The regions named, in module order without repeats.
    const QList<sff::Region> &named() const { return named_; }

    // The regions of an image this selection takes: all, or those named,
    // which the image must hold; false with a message naming what it holds.
    bool inImage(const sff::ModuleImage &image, QList<sff::Region> *regions, QString *error) const;

    // "a0-low, a2-page-01" and "A0 Low, A2 Page 01h" (translated).
    static QString keys(const QList<sff::Region> &regions, sff::Family family);
    static QString titles(const QList<sff::Region> &regions, sff::Family family);
    static QString title(const sff::Region &region, sff::Family family);

private:
    bool all_ = false;
    QList<sff::Region> named_;
};
