#pragma once
// The simulated programmers as a D2XX backend: a list of programmer boards,
// each with its serial number and a module in its socket, plus raw device
// list entries for testing how discovery treats odd nodes.

#include "ftdibackend.h"
#include "simulatedprogrammer.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class SimulatedBackend : public FtdiBackend
{
public:
    static constexpr std::uint32_t kDeviceId = 0x04036001;  // FTDI FT232R

    std::shared_ptr<SimulatedProgrammer> addProgrammer(
        const std::string &serialNumber,
        std::shared_ptr<SimulatedModule> module = std::make_shared<SimulatedModule>());
    // A device list entry without a programmer behind it (for example ID 0 or
    // an empty serial number).
    void addListEntry(const FT_DEVICE_LIST_INFO_NODE &node);
    std::shared_ptr<SimulatedProgrammer> programmer(const std::string &serialNumber) const;
    std::vector<std::shared_ptr<SimulatedProgrammer>> programmers() const;

    // Listing fails with this status (FT_OK: listing works).
    void failListing(FT_STATUS status);
    // Runs inside every listing, on the listing thread; a test can hold a
    // discovery there.
    void setListingHook(std::function<void()> hook);

    static FT_DEVICE_LIST_INFO_NODE node(std::uint32_t id, const std::string &serialNumber,
                                         const std::string &description = "Vexa simulated programmer");

    FT_STATUS open(const char *serialNumber, void **device) override;
    FT_STATUS setBitMode(void *device, std::uint8_t mask, std::uint8_t mode) override;
    FT_STATUS purge(void *device, std::uint32_t mask) override;
    FT_STATUS setLatencyTimer(void *device, std::uint8_t milliseconds) override;
    FT_STATUS setUsbParameters(void *device, std::uint32_t inSize, std::uint32_t outSize) override;
    FT_STATUS setBaudRate(void *device, std::uint32_t baudRate) override;
    FT_STATUS setTimeouts(void *device, std::uint32_t readMs, std::uint32_t writeMs) override;
    FT_STATUS write(void *device, const std::uint8_t *data, std::uint32_t count, std::uint32_t *written) override;
    FT_STATUS read(void *device, std::uint8_t *data, std::uint32_t count, std::uint32_t *returned) override;
    FT_STATUS getBitMode(void *device, std::uint8_t *pins) override;
    FT_STATUS close(void *device) override;
    FT_STATUS deviceType(void *device, FT_DEVICE *type) override;
    std::int64_t clockMicroseconds(void *device) override;
    FT_STATUS listDevices(std::vector<FT_DEVICE_LIST_INFO_NODE> &nodes) override;

private:
    struct Entry {
        std::shared_ptr<SimulatedProgrammer> programmer;  // null for a bare list entry
        FT_DEVICE_LIST_INFO_NODE node;
    };

    mutable std::mutex mutex;
    std::vector<Entry> entries;
    FT_STATUS listingStatus = FT_OK;
    std::function<void()> listingHook;
};
