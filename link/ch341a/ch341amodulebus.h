#pragma once
// A CH341A in its I2C mode as the module's bus, at 100 kHz over libusb.
//
// The bus makes the same transactions as the FTDI exchange: a read
// addresses the module for writing the word address, ends that with a stop
// and addresses it afresh for reading; a page write's refusals are judged
// after its stop. Each decision (the acknowledge of a selection) is one
// packet to the chip and its answer; data bytes and pages go in as few
// packets as fit, and every acknowledge the chip reports is checked. Only the
// module's two addresses, 0x50 and 0x51, are ever put on the bus.
//
// The chip cannot tell that SCL is held low: a stuck clock line shows as a
// module that answers nothing, and a module that stretches the clock misses
// the clocks the chip gives meanwhile, so its bytes come out shifted.

#include "ch341apacket.h"
#include "ch341ausb.h"
#include "modulebus.h"

#include <memory>

class Ch341aModuleBus : public ModuleBus
{
public:
    // The seams to look for the identity on, as ch341a::installedUsb() gives them.
    explicit Ch341aModuleBus(std::vector<std::shared_ptr<Ch341aUsb>> usbs);
    ~Ch341aModuleBus() override;

    std::string kind() const override { return "CH341A"; }
    BusFailure open(const std::string &identity) override;
    void close() override;
    BusFailure read(std::uint8_t device, std::uint8_t offset, int count, const Attempts &attempts,
                    std::vector<std::uint8_t> &data) override;
    BusFailure writePage(std::uint8_t device, std::uint8_t offset, const std::vector<std::uint8_t> &bytes,
                         const Attempts &attempts) override;
    BusFailure probe(std::uint8_t device, bool &answered) override;
    BusFailure waitReady(std::uint8_t device, const Attempts &attempts) override;
    std::int64_t nowUs() const override;
    bool seesClockStretching() const override { return false; }

    static constexpr unsigned kTimeoutMs = 500;

private:
    // A packet that begins with the stop still owed to the bus, if any.
    Ch341aPacket packet();
    BusFailure exchange(const Ch341aPacket &packet, std::vector<std::uint8_t> &answer);
    BusFailure select(std::uint8_t device, bool forReading, const Attempts &attempts);
    // Asked between packets: the job's stop check ends the transfer,
    // leaving the bus idle.
    BusFailure checkAbort(bool midRead);
    BusFailure openFailure(std::string detail);
    void release();

    std::vector<std::shared_ptr<Ch341aUsb>> usbs;
    std::shared_ptr<Ch341aUsb> usb;
    Ch341aUsb::Handle handle = nullptr;
    bool claimed = false;
    bool detached = false;
    // A start no stop has ended yet; a stop owed after a refused selection.
    bool inTransaction = false;
    bool stopOwed = false;
    mutable std::int64_t lastUs = 0;
};
