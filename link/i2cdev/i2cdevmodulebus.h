#pragma once
// An i2c-dev adapter (/dev/i2c-N) as the module's bus: USB-I2C bridges with
// a kernel driver (MCP2221, FT260, CP2112, a CH341A on i2c-ch341-usb) and a
// board's own I2C.
//
// The kernel makes each transfer a whole transaction and reports only how
// it ended, so the bus works by transactions: a read is the word address
// and the read in one combined transfer (a repeated start between them),
// in chunks with a fresh word address when the adapter takes no long reads;
// a page is one write. A module that does not answer is asked again until
// the attempts are spent; then shorter transfers tell which part it refused.
// Only the module's two addresses, 0x50 and 0x51, are ever put on the bus.

#include "i2cdevsystem.h"
#include "modulebus.h"

#include <functional>
#include <memory>

class I2cDevModuleBus : public ModuleBus
{
public:
    explicit I2cDevModuleBus(std::shared_ptr<I2cDevSystem> system);
    ~I2cDevModuleBus() override;

    std::string kind() const override { return "i2c-dev"; }
    BusFailure open(const std::string &identity) override;
    void close() override;
    BusFailure read(std::uint8_t device, std::uint8_t offset, int count, const Attempts &attempts,
                    std::vector<std::uint8_t> &data) override;
    BusFailure writePage(std::uint8_t device, std::uint8_t offset, const std::vector<std::uint8_t> &bytes,
                         const Attempts &attempts) override;
    BusFailure probe(std::uint8_t device, bool &answered) override;
    BusFailure waitReady(std::uint8_t device, const Attempts &attempts) override;
    std::int64_t nowUs() const override;

    // The longest read the adapter is given in one message.
    int readLimit() const { return chunkLimit; }

private:
    enum class Outcome { Done, Unanswered, TooLong, Stuck, Failed, Stopped, RefusedAddress, RefusedReading };
    struct Result {
        Outcome outcome = Outcome::Done;
        int error = 0;
    };

    // A read the job's stop check asked to end while it ran is not taken.
    Result transfer(std::vector<I2cMessage> messages);
    // Repeats an operation the module does not answer, as the attempts say.
    Result withAttempts(const Attempts &attempts, const std::function<Result()> &operation);
    Result readChunk(std::uint8_t device, std::uint8_t offset, std::uint8_t *into, int size, const Attempts &attempts);
    bool shrinkReads(int size);
    BusFailure failureOf(const Result &result);
    BusFailure checkDevice(std::uint8_t device) const;

    std::shared_ptr<I2cDevSystem> system;
    std::string path;
    int fd = -1;
    int chunkLimit = 256;
    mutable std::int64_t lastUs = 0;
};
