#pragma once
// The few system calls the i2c-dev bus and the adapter listing make, one
// method each, so that both can run against a fake adapter in tests. Results
// are what the calls give on Linux: 0, a count or a descriptor on success,
// and the negated errno on failure.

#include <cstdint>
#include <string>
#include <vector>

// One message of an I2C_RDWR transfer: a start (a repeated start after the
// first), the address, then the bytes; the transfer ends with a stop.
struct I2cMessage {
    std::uint16_t address = 0;
    bool read = false;
    std::uint8_t *data = nullptr;
    std::uint16_t length = 0;
};

class I2cDevSystem
{
public:
    // I2C_FUNC_I2C: the adapter takes plain I2C messages, not only SMBus commands.
    static constexpr unsigned long kFunctionI2c = 0x00000001;

    virtual ~I2cDevSystem() = default;

    // The entries of a directory, without "." and "..".
    virtual int listDirectory(const std::string &path, std::vector<std::string> &names) = 0;
    // A small text file whole, such as a sysfs attribute.
    virtual int readFile(const std::string &path, std::string &text) = 0;

    // open(path, O_RDWR | O_CLOEXEC) and close().
    virtual int open(const std::string &path) = 0;
    virtual void close(int fd) = 0;
    // ioctl(I2C_FUNCS): what the adapter can do.
    virtual int functionality(int fd, unsigned long &functions) = 0;
    // ioctl(I2C_RDWR): the messages as one transaction; the count of messages.
    virtual int transfer(int fd, I2cMessage *messages, int count) = 0;

    // Microseconds on the clock the adapter's transfers take their time in
    // (the monotonic clock for real adapters), and a pause in it.
    virtual std::int64_t nowUs(int fd) = 0;
    virtual void sleepUs(int fd, std::int64_t microseconds) = 0;
};
