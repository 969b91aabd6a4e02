#pragma once
// An FTDI chip in synchronous bit-bang mode as the module's bus: the I2C
// master over the bit-bang port, in the fast exchange (batched, standard-mode
// I2C at a 500 kHz sample clock) or the compatible one (per flush, the
// original tool's samples at 9600 baud).
//
// The operations keep the order of bus events and of stop checks of the
// original tool: a read addresses the module for writing the word address,
// ends that with a stop and addresses it afresh for reading; a page write
// checks every acknowledge only once the page's stop is sent. A batch that a
// module spoilt by holding the clock is thrown away: the bus is freed and the
// operation is done again per flush, as is the rest of the transfer; a
// module that holds the clock within the bytes the master sends makes it
// wait at every clock.

#include "i2cmaster.h"
#include "modulebus.h"

class FtdiModuleBus : public ModuleBus, public BusLines
{
public:
    enum class Exchange { Fast, Compatible };

    explicit FtdiModuleBus(Exchange exchange);
    ~FtdiModuleBus() override;

    std::string kind() const override { return "FTDI"; }
    BusFailure open(const std::string &serialNumber) override;
    void close() override;
    BusFailure read(std::uint8_t device, std::uint8_t offset, int count, const Attempts &attempts,
                    std::vector<std::uint8_t> &data) override;
    BusFailure writePage(std::uint8_t device, std::uint8_t offset, const std::vector<std::uint8_t> &bytes,
                         const Attempts &attempts) override;
    BusFailure probe(std::uint8_t device, bool &answered) override;
    BusFailure waitReady(std::uint8_t device, const Attempts &attempts) override;
    std::int64_t nowUs() const override { return port.nowUs(); }
    BusLines *lines() override { return this; }
    BusFailure setLines(Drive sda, Drive scl, Levels &levels) override;
    void swapLines(bool swapped) override;

private:
    // Repeats an operation per flush for as long as a batch of it is spoilt.
    template <typename Operation>
    BusFailure withFallback(Operation operation);
    BusFailure readOnce(std::uint8_t device, std::uint8_t offset, int count, const Attempts &attempts,
                        std::vector<std::uint8_t> &data);
    BusFailure writePageOnce(std::uint8_t device, std::uint8_t offset, const std::vector<std::uint8_t> &bytes,
                             const Attempts &attempts);
    BusFailure select(std::uint8_t device, bool forReading, const Attempts &attempts);
    // Asked between bus operations: a failed port, the job's stop check and
    // a clock held too long end the transfer, leaving the bus idle.
    BusFailure checkAbort(bool midRead);
    void abortCleanup(bool midRead);
    BusFailure portFailure();
    bool spoilt() const { return master.stretched(); }

    BitBangPort port;
    I2cMaster master;
    const I2cMaster::Exchange initialExchange;
    BitBangPort::Speed speed;
    // Where batched results land; members, so that they outlive any batch.
    std::vector<std::uint8_t> acknowledges;
    std::uint8_t scratch = 0;
    bool linesSwapped = false;
};
