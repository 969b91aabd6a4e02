#include "regionselection.h"

#include <algorithm>

RegionSelection RegionSelection::allRegions()
{
    RegionSelection selection;
    selection.all_ = true;
    return selection;
}

QStringList RegionSelection::commonNames()
{
    QStringList names{QStringLiteral("a0-low"), QStringLiteral("a0-high"), QStringLiteral("a2-low"),
                      QStringLiteral("a2-high")};
    for (int page : {0x00, 0x01, 0x02, 0x80})
        names.append(sff::regionKey(sff::Region::upperOf(sff::kDeviceA2, sff::Page{page})));
    names.append(QStringLiteral("lower"));
    for (int page : {0x00, 0x01, 0x02, 0x03, 0x10, 0x11})
        names.append(sff::regionKey(sff::Region::upperOf(sff::kDeviceA0, sff::Page{page})));
    names << QStringLiteral("a0") << QStringLiteral("a2") << QStringLiteral("all");
    return names;
}

RegionSelection RegionSelection::of(const QList<sff::Region> &regions)
{
    RegionSelection selection;
    selection.named_ = regions;
    return selection;
}

bool RegionSelection::parse(const QStringList &values, RegionSelection *selection, QString *error)
{
    RegionSelection parsed;
    for (const QString &value : values) {
        for (const QString &word : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QString key = word.trimmed().toLower();
            sff::Region region;
            if (key == QLatin1String("all")) {
                parsed.all_ = true;
            } else if (key == QLatin1String("a0")) {
                parsed.named_ += {sff::kRegionA0Low, sff::kRegionA0High};
            } else if (key == QLatin1String("a2")) {
                parsed.named_ += {sff::kRegionA2Low, sff::kRegionA2High};
            } else if (sff::parseRegionKey(key, &region)) {
                parsed.named_.append(region);
            } else {
                *error = tr("Unknown table \"%1\": the tables are a0-low, a0-high, a2-low, a2-high, a2-page-NN (a "
                            "page of A2h, NN in hexadecimal), lower, page-NN and bank-N-page-NN (QSFP and CMIS "
                            "modules), a0, a2 and all")
                             .arg(word.trimmed());
                return false;
            }
        }
    }
    std::sort(parsed.named_.begin(), parsed.named_.end());
    parsed.named_.erase(std::unique(parsed.named_.begin(), parsed.named_.end()), parsed.named_.end());
    *selection = parsed;
    return true;
}

bool RegionSelection::inImage(const sff::ModuleImage &image, QList<sff::Region> *regions, QString *error) const
{
    const sff::Family family = sff::familyOf(image);
    QList<sff::Region> taken = all_ ? image.regions() : QList<sff::Region>();
    for (const sff::Region &named : named_) {
        const sff::Region region = sff::normalizedRegion(named, family);
        if (!image.holdsRegion(region)) {
            *error = tr("The image does not hold %1; it holds %2")
                         .arg(sff::regionKey(region, family), keys(image.regions(), family));
            return false;
        }
        if (!taken.contains(region))
            taken.append(region);
    }
    std::sort(taken.begin(), taken.end());
    *regions = taken;
    return true;
}

QString RegionSelection::keys(const QList<sff::Region> &regions, sff::Family family)
{
    QStringList names;
    for (const sff::Region &region : regions)
        names.append(sff::regionKey(region, family));
    return names.join(QStringLiteral(", "));
}

QString RegionSelection::title(const sff::Region &region, sff::Family family)
{
    return sff::regionTitle(region, family, sff::Words(sff::Language::Translated));
}

QString RegionSelection::titles(const QList<sff::Region> &regions, sff::Family family)
{
    QStringList names;
    for (const sff::Region &region : regions)
        names.append(title(region, family));
    return names.join(QStringLiteral(", "));
}
