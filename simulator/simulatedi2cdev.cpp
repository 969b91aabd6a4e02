#include "simulatedi2cdev.h"

#include "i2cdevadapters.h"

#include <algorithm>
#include <cerrno>

using Lock = std::lock_guard<std::recursive_mutex>;

SimulatedI2cAdapter::SimulatedI2cAdapter(int number, std::string name, std::shared_ptr<SimulatedModule> module)
    : adapterNumber(number), adapterName(std::move(name)), driver(std::move(module))
{
    driver.setBitRate(100000);
    driver.setStretchLimit(std::chrono::nanoseconds(kTimeoutNs));
}

void SimulatedI2cAdapter::denyAccess(bool denied)
{
    Lock lock(mutex);
    accessDenied = denied;
}

void SimulatedI2cAdapter::setFunctionality(unsigned long functions)
{
    Lock lock(mutex);
    functionBits = functions;
}

void SimulatedI2cAdapter::limitReads(int length, int error)
{
    Lock lock(mutex);
    readLimit = length;
    readLimitError = error;
}

void SimulatedI2cAdapter::unplugAfter(int transfers)
{
    Lock lock(mutex);
    transfersLeft = transfers;
}

std::vector<std::string> SimulatedI2cAdapter::transfers() const
{
    Lock lock(mutex);
    return log;
}

bool SimulatedI2cAdapter::isOpen() const
{
    Lock lock(mutex);
    return openCount > 0;
}

int SimulatedI2cAdapter::openings() const
{
    Lock lock(mutex);
    return openCalls;
}

bool SimulatedI2cAdapter::present() const
{
    Lock lock(mutex);
    return !unplugged;
}

void SimulatedI2cAdapter::setOpenHook(std::function<void()> hook)
{
    Lock lock(mutex);
    openHook = std::move(hook);
}

int SimulatedI2cAdapter::open()
{
    std::function<void()> hook;
    {
        Lock lock(mutex);
        hook = openHook;
    }
    if (hook)
        hook();
    Lock lock(mutex);
    ++openCalls;
    if (unplugged)
        return -ENOENT;
    if (accessDenied)
        return -EACCES;
    ++openCount;
    return 0;
}

void SimulatedI2cAdapter::close()
{
    Lock lock(mutex);
    if (openCount > 0)
        --openCount;
}

int SimulatedI2cAdapter::functionality(unsigned long &functions) const
{
    Lock lock(mutex);
    if (unplugged)
        return -ENODEV;
    functions = functionBits;
    return 0;
}

int SimulatedI2cAdapter::transfer(I2cMessage *messages, int count)
{
    Lock lock(mutex);
    if (transfersLeft == 0)
        unplugged = true;
    if (unplugged)
        return -ENODEV;
    if (transfersLeft > 0)
        --transfersLeft;

    std::string shape;
    for (int i = 0; i < count; ++i)
        shape += (i ? " " : "") + std::string(messages[i].read ? "R" : "W") + std::to_string(messages[i].length);
    log.push_back(shape);
    for (int i = 0; i < count; ++i)
        if (messages[i].read && readLimit > 0 && messages[i].length > readLimit)
            return readLimitError;

    driver.advance(kTransferNs);
    const int result = run(messages, messageLimit > 0 ? std::min(count, messageLimit) : count);
    if (driver.gaveUp())
        driver.release();
    return result;
}

void SimulatedI2cAdapter::stopAfterMessages(int messages)
{
    Lock lock(mutex);
    messageLimit = messages;
}

int SimulatedI2cAdapter::run(I2cMessage *messages, int count)
{
    for (int i = 0; i < count; ++i) {
        const I2cMessage &message = messages[i];
        driver.start();
        const bool selected = driver.writeByte(static_cast<std::uint8_t>(message.address << 1 | message.read));
        if (driver.gaveUp())
            return -ETIMEDOUT;
        if (!selected) {
            driver.stop();
            return -ENXIO;
        }
        for (int j = 0; j < message.length; ++j) {
            if (message.read) {
                message.data[j] = driver.readByte(j != message.length - 1);
            } else if (!driver.writeByte(message.data[j]) && !driver.gaveUp()) {
                driver.stop();
                return -EREMOTEIO;
            }
            if (driver.gaveUp())
                return -ETIMEDOUT;
        }
    }
    driver.stop();
    return driver.gaveUp() ? -ETIMEDOUT : count;
}

std::shared_ptr<SimulatedI2cAdapter> SimulatedI2cDev::addAdapter(int number, const std::string &name,
                                                                 std::shared_ptr<SimulatedModule> module)
{
    auto adapter = std::make_shared<SimulatedI2cAdapter>(number, name, std::move(module));
    std::lock_guard<std::mutex> lock(mutex);
    adapters.push_back(adapter);
    return adapter;
}

void SimulatedI2cDev::addClassEntry(const std::string &entry)
{
    std::lock_guard<std::mutex> lock(mutex);
    otherEntries.push_back(entry);
}

void SimulatedI2cDev::removeClass()
{
    std::lock_guard<std::mutex> lock(mutex);
    classPresent = false;
}

int SimulatedI2cDev::listDirectory(const std::string &path, std::vector<std::string> &names)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (path != kI2cDevClassDirectory || !classPresent)
        return -ENOENT;
    // The kernel lists in no particular order.
    for (auto it = adapters.rbegin(); it != adapters.rend(); ++it)
        if ((*it)->present())
            names.push_back("i2c-" + std::to_string((*it)->number()));
    names.insert(names.end(), otherEntries.begin(), otherEntries.end());
    return 0;
}

int SimulatedI2cDev::readFile(const std::string &path, std::string &text)
{
    std::lock_guard<std::mutex> lock(mutex);
    for (const auto &adapter : adapters) {
        if (path == std::string(kI2cDevClassDirectory) + "/i2c-" + std::to_string(adapter->number()) + "/name") {
            text = adapter->name() + "\n";
            return 0;
        }
    }
    return -ENOENT;
}

std::shared_ptr<SimulatedI2cAdapter> SimulatedI2cDev::adapterAt(const std::string &path) const
{
    for (const auto &adapter : adapters)
        if (path == "/dev/i2c-" + std::to_string(adapter->number()))
            return adapter;
    return nullptr;
}

std::shared_ptr<SimulatedI2cAdapter> SimulatedI2cDev::opened(int fd) const
{
    std::lock_guard<std::mutex> lock(mutex);
    auto it = files.find(fd);
    return it == files.end() ? nullptr : it->second;
}

int SimulatedI2cDev::open(const std::string &path)
{
    std::shared_ptr<SimulatedI2cAdapter> adapter;
    {
        std::lock_guard<std::mutex> lock(mutex);
        adapter = adapterAt(path);
    }
    if (!adapter)
        return -ENOENT;
    if (const int result = adapter->open(); result < 0)
        return result;
    std::lock_guard<std::mutex> lock(mutex);
    files[nextFd] = adapter;
    return nextFd++;
}

void SimulatedI2cDev::close(int fd)
{
    std::shared_ptr<SimulatedI2cAdapter> adapter;
    {
        std::lock_guard<std::mutex> lock(mutex);
        auto it = files.find(fd);
        if (it == files.end())
            return;
        adapter = it->second;
        files.erase(it);
    }
    adapter->close();
}

int SimulatedI2cDev::functionality(int fd, unsigned long &functions)
{
    const auto adapter = opened(fd);
    return adapter ? adapter->functionality(functions) : -EBADF;
}

int SimulatedI2cDev::transfer(int fd, I2cMessage *messages, int count)
{
    const auto adapter = opened(fd);
    return adapter ? adapter->transfer(messages, count) : -EBADF;
}

std::int64_t SimulatedI2cDev::nowUs(int fd)
{
    const auto adapter = opened(fd);
    return adapter ? adapter->lines().now() / 1000 : 0;
}

void SimulatedI2cDev::sleepUs(int fd, std::int64_t microseconds)
{
    if (const auto adapter = opened(fd))
        adapter->lines().advance(microseconds * 1000);
}
