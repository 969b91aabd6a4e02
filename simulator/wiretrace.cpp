#include "wiretrace.h"

#include <algorithm>

namespace {

void keepShortest(std::int64_t &shortest, std::int64_t interval)
{
    if (interval >= 0 && (shortest < 0 || interval < shortest))
        shortest = interval;
}

}  // namespace

void WireTrace::note(std::int64_t at, bool sda, bool scl)
{
    if (levels.empty())
        levels.push_back({at - 1000, true, true});  // a trace starts on an idle bus
    if (levels.back().sda == sda && levels.back().scl == scl)
        return;
    levels.push_back({at, sda, scl});
}

I2cTiming WireTrace::timing() const
{
    I2cTiming t;
    if (levels.empty())
        return t;
    std::int64_t sclRose = -1, sclFell = -1, sdaChanged = -1, startAt = -1, stopAt = -1;
    bool inTransaction = false;
    bool clockedSinceStart = false;
    for (size_t i = 1; i < levels.size(); ++i) {
        const LineLevels &was = levels[i - 1];
        const LineLevels &now = levels[i];
        if (now.scl != was.scl) {
            if (now.scl) {
                if (sclFell >= 0)
                    keepShortest(t.low, now.at - sclFell);
                if (sdaChanged >= 0 && sdaChanged >= sclFell)
                    keepShortest(t.dataSetup, now.at - sdaChanged);
                if (inTransaction && clockedSinceStart && sclRose >= 0)
                    keepShortest(t.clockPeriod, now.at - sclRose);
                sclRose = now.at;
                clockedSinceStart = true;
            } else {
                if (sclRose >= 0)
                    keepShortest(t.high, now.at - sclRose);
                if (startAt >= 0 && startAt > sclRose)
                    keepShortest(t.startHold, now.at - startAt);
                sclFell = now.at;
            }
        }
        if (now.sda != was.sda) {
            if (now.scl && was.scl && !now.sda) {
                ++t.starts;
                if (inTransaction)
                    keepShortest(t.startSetup, now.at - sclRose);
                else if (stopAt >= 0)
                    keepShortest(t.busFree, now.at - stopAt);
                startAt = now.at;
                inTransaction = true;
                clockedSinceStart = false;
            } else if (now.scl && was.scl) {
                ++t.stops;
                keepShortest(t.stopSetup, now.at - sclRose);
                stopAt = now.at;
                inTransaction = false;
            }
            sdaChanged = now.at;
        }
    }
    return t;
}

QByteArray WireTrace::vcd() const
{
    QByteArray text = "$timescale 1 ns $end\n"
                      "$scope module socket $end\n"
                      "$var wire 1 c scl $end\n"
                      "$var wire 1 d sda $end\n"
                      "$upscope $end\n"
                      "$enddefinitions $end\n";
    const std::int64_t origin = levels.empty() ? 0 : levels.front().at;
    for (size_t i = 0; i < levels.size(); ++i) {
        const LineLevels &l = levels[i];
        // Changes at one instant are one sample to the analyser.
        if (i + 1 < levels.size() && levels[i + 1].at == l.at)
            continue;
        text += '#' + QByteArray::number(static_cast<qint64>(l.at - origin)) + '\n';
        text += (l.scl ? "1c\n" : "0c\n");
        text += (l.sda ? "1d\n" : "0d\n");
    }
    // The last levels last a while, so that an analyser takes them in.
    if (!levels.empty())
        text += '#' + QByteArray::number(static_cast<qint64>(levels.back().at - origin + 1000)) + '\n';
    return text;
}
