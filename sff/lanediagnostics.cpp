#include "lanediagnostics.h"

#include <QtGlobal>

namespace sff {

double LaneDiagnostics::value(int quantity, int lane) const
{
    if (quantity == a2::kTemperature)
        return temperature;
    if (quantity == a2::kVcc)
        return vcc;
    return lanes[quantity][qBound(0, lane, laneCount - 1)];
}

Level LaneDiagnostics::level(int quantity, int lane) const
{
    if (!hasThresholds || quantity < 0 || quantity >= a2::kQuantityCount)
        return Level::Normal;
    return levelOf(value(quantity, lane), thresholds[quantity]);
}

QString valueName(int quantity, int lane, const LaneDiagnostics &d, const Words &words)
{
    QString name = quantityName(quantity, words);
    if (quantity == a2::kRxPower && d.rxPowerKind != RxPowerKind::Unknown)
        name = d.rxPowerKind == RxPowerKind::Average ? words(QT_TRANSLATE_NOOP("Sff", "RX power (average)"))
                                                     : words(QT_TRANSLATE_NOOP("Sff", "RX power (OMA)"));
    if (!LaneDiagnostics::isLaneQuantity(quantity) || lane < 0)
        return name;
    return words(QT_TRANSLATE_NOOP("Sff", "%1, lane %2")).arg(name).arg(lane + 1);
}

}  // namespace sff
