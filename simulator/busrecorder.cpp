#include "busrecorder.h"

std::vector<std::uint8_t> I2cTransaction::data() const
{
    if (read || bytes.empty())
        return {};
    return std::vector<std::uint8_t>(bytes.begin() + 1, bytes.end());
}

void BusRecorder::startCondition()
{
    ++starts;
    recorded.emplace_back();
    inTransaction = true;
    addressDone = false;
    clock = 0;
    shift = 0;
}

void BusRecorder::stopCondition()
{
    if (inTransaction)
        recorded.back().stopped = true;
    inTransaction = false;
}

bool BusRecorder::sclRose(bool sda)
{
    if (!inTransaction)
        return false;
    ++clock;
    if (clock <= 8) {
        shift = static_cast<std::uint8_t>((shift << 1) | (sda ? 1 : 0));
        return false;
    }
    I2cTransaction &t = recorded.back();
    const bool acknowledged = !sda;
    const bool address = !addressDone;
    if (address) {
        t.device = shift >> 1;
        t.read = shift & 1;
        t.selected = acknowledged;
        addressDone = true;
    } else {
        t.bytes.push_back(shift);
        t.acknowledged.push_back(acknowledged);
    }
    clock = 0;
    shift = 0;
    return address;
}

void BusRecorder::clear()
{
    recorded.clear();
    inTransaction = false;
    starts = 0;
}
