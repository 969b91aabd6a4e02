#pragma once
// A fake i2c-dev behind the system-call seam: adapters listed in a virtual
// /sys/class/i2c-dev, each a USB-I2C bridge with a module on its bus.
//
// Every I2C_RDWR transfer becomes line events on the module, as an
// adapter's kernel driver makes them: a start (a repeated start between
// messages), the address, the bytes, a stop. An address nobody answers ends
// the transfer with ENXIO, a refused byte with EREMOTEIO, a clock held past
// the adapter's timeout with ETIMEDOUT. A transfer costs the bridge's USB
// round trip on the adapter's clock besides the bits at 100 kHz.

#include "i2cdevsystem.h"
#include "linedriver.h"
#include "simulatedboard.h"

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class SimulatedI2cAdapter : public SimulatedBoard
{
public:
    using Time = LineDriver::Time;
    static constexpr Time kTransferNs = 1000000;
    static constexpr Time kTimeoutNs = 100000000;

    SimulatedI2cAdapter(int number, std::string name, std::shared_ptr<SimulatedModule> module);

    int number() const { return adapterNumber; }
    const std::string &name() const { return adapterName; }
    LineDriver &lines() { return driver; }

    // Faults.
    void denyAccess(bool denied) override;
    // Runs at the start of every open, before the board is locked: a socket
    // operator plugs and pulls modules there.
    void setOpenHook(std::function<void()> hook) override;
    void setFunctionality(unsigned long functions);
    // Reads longer than `length` fail with `error` (a negative errno) before
    // anything reaches the bus, as a driver's message limits make them.
    void limitReads(int length, int error);
    // Transfers after the next `transfers` fail with ENODEV; the device
    // node goes away.
    void unplugAfter(int transfers) override;
    // Transfers of more messages do only the first `messages` and report
    // that count, as some drivers do.
    void stopAfterMessages(int messages);

    // Each transfer's messages, e.g. "W1 R128" or "W9".
    std::vector<std::string> transfers() const;
    bool isOpen() const override;
    bool wasUsed() const override { return openings() > 0; }
    std::vector<I2cTransaction> transactions() const override { return driver.transactions(); }
    int startConditions() const override { return driver.startConditions(); }
    void clearRecord() override { driver.clearRecord(); }
    void setBusHook(std::function<void(const BusEvent &)> hook) override { driver.setBusHook(std::move(hook)); }
    void advance(std::chrono::nanoseconds duration) override { driver.advance(duration.count()); }
    void setModule(std::shared_ptr<SimulatedModule> module) override { driver.setModule(std::move(module)); }
    void setLineFaults(const ModuleSocket::Faults &faults) override { driver.setLineFaults(faults); }

    // Opens asked for, granted or not.
    int openings() const;

    // The system calls, for SimulatedI2cDev.
    int open();
    void close();
    int functionality(unsigned long &functions) const;
    int transfer(I2cMessage *messages, int count);
    bool present() const;

private:
    int run(I2cMessage *messages, int count);

    mutable std::recursive_mutex mutex;
    const int adapterNumber;
    const std::string adapterName;
    LineDriver driver;
    bool accessDenied = false;
    std::function<void()> openHook;
    unsigned long functionBits = I2cDevSystem::kFunctionI2c;
    int readLimit = 0;
    int readLimitError = 0;
    int transfersLeft = -1;
    int messageLimit = 0;
    bool unplugged = false;
    int openCount = 0;
    int openCalls = 0;
    std::vector<std::string> log;
};

class SimulatedI2cDev : public I2cDevSystem
{
public:
    std::shared_ptr<SimulatedI2cAdapter> addAdapter(int number, const std::string &name,
                                                    std::shared_ptr<SimulatedModule> module);
    // An entry of the i2c-dev class without a name attribute or device node.
    void addClassEntry(const std::string &entry);
    // As without the i2c-dev kernel module: no class directory at all.
    void removeClass();

    int listDirectory(const std::string &path, std::vector<std::string> &names) override;
    int readFile(const std::string &path, std::string &text) override;
    int open(const std::string &path) override;
    void close(int fd) override;
    int functionality(int fd, unsigned long &functions) override;
    int transfer(int fd, I2cMessage *messages, int count) override;
    std::int64_t nowUs(int fd) override;
    void sleepUs(int fd, std::int64_t microseconds) override;

private:
    std::shared_ptr<SimulatedI2cAdapter> adapterAt(const std::string &path) const;
    std::shared_ptr<SimulatedI2cAdapter> opened(int fd) const;

    mutable std::mutex mutex;
    std::vector<std::shared_ptr<SimulatedI2cAdapter>> adapters;
    std::vector<std::string> otherEntries;
    bool classPresent = true;
    std::map<int, std::shared_ptr<SimulatedI2cAdapter>> files;
    int nextFd = 3;
};
