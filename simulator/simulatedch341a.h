#pragma once
// A model of CH341A programmer boards at the level of their USB bulk
// packets, behind the libusb seam of the CH341A bus. Each board executes the
// I2C stream commands of every packet (see ch341aprotocol.h) as line events
// on its module through a LineDriver, and queues the answers for the next
// bulk read. Like the chip, it never reads SCL back: a module holding the
// clock low misses the clocks the chip gives meanwhile. A bulk transfer costs 1 ms of the board's clock (full-speed USB
// frames) besides the bits at the speed set (20 kHz until set).
//
// The boards know the USB side of the chip too: a kernel driver that may
// hold the interface until detached, a claim, access rights, unplugging.

#include "ch341ausb.h"
#include "linedriver.h"
#include "simulatedboard.h"

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class SimulatedCh341a : public SimulatedBoard
{
public:
    using Time = LineDriver::Time;
    static constexpr Time kUsbTransferNs = 1000000;
    static constexpr int kTimedOut = -7;  // LIBUSB_ERROR_TIMEOUT

    SimulatedCh341a(Ch341aUsb::Device device, std::shared_ptr<SimulatedModule> module);

    const Ch341aUsb::Device &device() const { return usbDevice; }
    LineDriver &lines() { return driver; }

    // Faults.
    void denyAccess(bool denied) override;
    // Runs at the start of every open, before the board is locked: a socket
    // operator plugs and pulls modules there.
    void setOpenHook(std::function<void()> hook) override;
    // A kernel driver holds the interface until it is detached.
    void bindKernelDriver(bool bound);
    void claimElsewhere(bool claimed);
    // Bulk transfers after the next `transfers` fail: the board is gone.
    void unplugAfter(int transfers) override;

    // What happened: "open", "detach", "claim", "release", "attach", "close".
    std::vector<std::string> calls() const;
    std::vector<std::vector<std::uint8_t>> packets() const;
    // The speed the last set command chose; -1 before any.
    int speed() const;
    bool isOpen() const override;
    bool wasUsed() const override { return !calls().empty(); }
    std::vector<I2cTransaction> transactions() const override { return driver.transactions(); }
    int startConditions() const override { return driver.startConditions(); }
    void clearRecord() override { driver.clearRecord(); }
    void setBusHook(std::function<void(const BusEvent &)> hook) override { driver.setBusHook(std::move(hook)); }
    void advance(std::chrono::nanoseconds duration) override { driver.advance(duration.count()); }
    void setModule(std::shared_ptr<SimulatedModule> module) override { driver.setModule(std::move(module)); }
    void setLineFaults(const ModuleSocket::Faults &faults) override { driver.setLineFaults(faults); }

    bool kernelDriverBound() const;
    bool present() const;

    // The libusb operations, for SimulatedCh341aUsb.
    int open();
    void close();
    int kernelDriverActive() const;
    int detachKernelDriver();
    int attachKernelDriver();
    int claimInterface();
    int releaseInterface();
    int bulkTransfer(std::uint8_t endpoint, std::uint8_t *data, int length, int &transferred, unsigned timeoutMs);

private:
    void execute(const std::uint8_t *packet, int length);

    mutable std::recursive_mutex mutex;
    const Ch341aUsb::Device usbDevice;
    LineDriver driver;
    bool accessDenied = false;
    std::function<void()> openHook;
    bool driverBound = false;
    bool claimedElsewhere = false;
    int transfersLeft = -1;
    bool unplugged = false;
    bool opened = false;
    bool claimed = false;
    int speedSet = -1;
    std::deque<std::uint8_t> answer;
    std::vector<std::string> callLog;
    std::vector<std::vector<std::uint8_t>> packetLog;
};

class SimulatedCh341aUsb : public Ch341aUsb
{
public:
    // A board known by its port path (bus, ports), or by a name of its own.
    std::shared_ptr<SimulatedCh341a> addBoard(std::uint8_t bus, std::vector<std::uint8_t> ports,
                                              std::shared_ptr<SimulatedModule> module);
    std::shared_ptr<SimulatedCh341a> addBoard(const std::string &name, std::shared_ptr<SimulatedModule> module,
                                              const std::string &sameSocketAs = {});
    // Another USB device on the list.
    void addOtherDevice(std::uint16_t vendor, std::uint16_t product);
    std::vector<std::shared_ptr<SimulatedCh341a>> boards() const;

    int listDevices(std::vector<Device> &devices) override;
    void releaseDevices(std::vector<Device> &devices) override;
    int open(const Device &device, Handle &handle) override;
    void close(Handle handle) override;
    int kernelDriverActive(Handle handle, int interfaceNumber) override;
    int detachKernelDriver(Handle handle, int interfaceNumber) override;
    int attachKernelDriver(Handle handle, int interfaceNumber) override;
    int claimInterface(Handle handle, int interfaceNumber) override;
    int releaseInterface(Handle handle, int interfaceNumber) override;
    int bulkTransfer(Handle handle, std::uint8_t endpoint, std::uint8_t *data, int length, int &transferred,
                     unsigned timeoutMs) override;
    std::string errorText(int code) override;
    std::int64_t nowUs(Handle handle) override;

private:
    std::shared_ptr<SimulatedCh341a> add(Device device, std::shared_ptr<SimulatedModule> module);

    mutable std::mutex mutex;
    std::vector<std::shared_ptr<SimulatedCh341a>> boardList;
    std::vector<Device> others;
};
