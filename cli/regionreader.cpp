#include "regionreader.h"

#include "console.h"
#include "exitcodes.h"
#include "transfersession.h"

namespace {

QList<sff::Region> wanted(const RegionSelection &selection, const sff::ModuleImage &image)
{
    QList<sff::Region> regions = selection.isAll() ? sff::advertisedRegions(image) : QList<sff::Region>();
    for (const sff::Region &named : selection.named())
        if (!regions.contains(named))
            regions.append(named);
    return regions;
}

}  // namespace

int RegionReader::read(TransferSession &session, Console &console, const RegionSelection &selection,
                       sff::ModuleImage *image)
{
    QList<sff::Region> done;
    bool withoutA2 = false;
    for (;;) {
        const QList<sff::Region> regions = wanted(selection, *image);
        const auto next = std::find_if(regions.begin(), regions.end(), [&](const sff::Region &region) {
            return !done.contains(region) && !(withoutA2 && region.device == sff::kDeviceA2);
        });
        if (next == regions.end())
            return kExitSuccess;
        const sff::Region region = *next;
        done.append(region);
        const int left = int(std::count_if(regions.begin(), regions.end(), [&](const sff::Region &r) {
            return !done.contains(r) && !(withoutA2 && r.device == sff::kDeviceA2);
        }));
        session.setTotal(session.done() + 1 + left);
        const sff::Family family = sff::familyOf(*image);
        session.starting(RegionSelection::title(region, family));
        QByteArray bytes;
        session.transfer().setModule(*image);
        const ModuleTransfer::Outcome outcome = session.transfer().read(region, &bytes);
        if (outcome == ModuleTransfer::Outcome::Failed) {
            if (sff::mayBeAbsent(region, *image)) {
                withoutA2 = true;
                console.message(tr("The module has no diagnostics (A2h): only its A0h tables were read."));
                session.finished();
                continue;
            }
            console.message(tr("Couldn't read %1: %2")
                                .arg(RegionSelection::title(region, family), session.transfer().error()));
            return kExitFailure;
        }
        if (outcome == ModuleTransfer::Outcome::Canceled || session.interrupted())
            return kExitInterrupted;
        image->putRegion(region, bytes);
        // SFP modules, the tool's first family, pass in silence as they always did.
        if (region == sff::kRegionA0Low && sff::familyOf(*image) != sff::Family::Sfp)
            console.message(tr("Module family: %1")
                                .arg(sff::familyTitle(sff::familyOf(*image), sff::Words(sff::Language::Translated))));
        session.finished();
    }
}
