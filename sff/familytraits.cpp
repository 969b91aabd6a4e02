#include "familytraits.h"

#include "cmismap.h"
#include "qsfpmap.h"

namespace sff {

namespace {

Region pageOf(int page)
{
    return Region::upperOf(kDeviceA0, Page{page});
}

QVector<FamilyTraits> build()
{
    return {
        {Family::Sfp, {kPasswordDevice, kPasswordEntry}, {}, kRegionA0Low, a0::kVendorName, a0::kVendorOui,
         a0::kPartNumber, a0::kRevision, kSerialNumber, kDateCode, true, {kRegionA2Low}, {}},
        {Family::Qsfp, {qsfp::kPasswordDevice, qsfp::kPasswordEntry}, {qsfp::kMaxWriteBytes, qsfp::kWriteCycleMs},
         pageOf(qsfp::page00::kPage), qsfp::page00::kVendorName, qsfp::page00::kVendorOui, qsfp::page00::kPartNumber,
         qsfp::page00::kRevision, qsfp::kSerialNumber, qsfp::kDateCode, true, {pageOf(qsfp::page03::kPage)},
         {{Family::Qsfp, QT_TRANSLATE_NOOP("Sff", "QSFP Lower page"), false, false},
          {Family::Qsfp, QT_TRANSLATE_NOOP("Sff", "QSFP Upper page"), true, false}}},
        {Family::Cmis, {cmis::kPasswordDevice, cmis::kPasswordEntry}, {cmis::kMaxWriteBytes, cmis::kWriteCycleMs},
         pageOf(cmis::page00::kPage), cmis::page00::kVendorName, cmis::page00::kVendorOui, cmis::page00::kPartNumber,
         cmis::page00::kRevision, cmis::page00::kSerialNumber, cmis::page00::kDateCode, false,
         {pageOf(cmis::page02::kPage)},
         {{Family::Cmis, QT_TRANSLATE_NOOP("Sff", "CMIS Lower page"), false, false},
          {Family::Cmis, QT_TRANSLATE_NOOP("Sff", "CMIS Page"), true, false},
          {Family::Cmis, QT_TRANSLATE_NOOP("Sff", "CMIS Bank and page"), true, true}}},
    };
}

}  // namespace

const FamilyTraits &familyTraits(Family family)
{
    static const QVector<FamilyTraits> traits = build();
    for (const FamilyTraits &entry : traits)
        if (entry.family == family)
            return entry;
    return traits.first();
}

QVector<SelectorEntry> selectorEntries()
{
    QVector<SelectorEntry> entries;
    for (Family family : {Family::Sfp, Family::Qsfp, Family::Cmis})
        entries += familyTraits(family).selector;
    return entries;
}

}  // namespace sff
