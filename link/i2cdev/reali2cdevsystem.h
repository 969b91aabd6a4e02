#pragma once
// I2cDevSystem on the Linux system calls.

#include "i2cdevsystem.h"

class RealI2cDevSystem : public I2cDevSystem
{
public:
    int listDirectory(const std::string &path, std::vector<std::string> &names) override;
    int readFile(const std::string &path, std::string &text) override;
    int open(const std::string &path) override;
    void close(int fd) override;
    int functionality(int fd, unsigned long &functions) override;
    int transfer(int fd, I2cMessage *messages, int count) override;
    std::int64_t nowUs(int fd) override;
    void sleepUs(int fd, std::int64_t microseconds) override;
};
