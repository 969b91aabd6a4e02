#include "reali2cdevsystem.h"

#include <linux/i2c-dev.h>
#include <linux/i2c.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

static_assert(I2cDevSystem::kFunctionI2c == I2C_FUNC_I2C);

int RealI2cDevSystem::listDirectory(const std::string &path, std::vector<std::string> &names)
{
    DIR *directory = opendir(path.c_str());
    if (!directory)
        return -errno;
    while (const dirent *entry = readdir(directory)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    closedir(directory);
    return 0;
}

int RealI2cDevSystem::readFile(const std::string &path, std::string &text)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -errno;
    char buffer[256];
    const ssize_t length = ::read(fd, buffer, sizeof buffer);
    const int error = errno;
    ::close(fd);
    if (length < 0)
        return -error;
    text.assign(buffer, static_cast<size_t>(length));
    return 0;
}

int RealI2cDevSystem::open(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    return fd < 0 ? -errno : fd;
}

void RealI2cDevSystem::close(int fd)
{
    ::close(fd);
}

int RealI2cDevSystem::functionality(int fd, unsigned long &functions)
{
    return ioctl(fd, I2C_FUNCS, &functions) < 0 ? -errno : 0;
}

int RealI2cDevSystem::transfer(int fd, I2cMessage *messages, int count)
{
    std::vector<i2c_msg> kernelMessages(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        kernelMessages[i].addr = messages[i].address;
        kernelMessages[i].flags = messages[i].read ? I2C_M_RD : 0;
        kernelMessages[i].len = messages[i].length;
        kernelMessages[i].buf = messages[i].data;
    }
    i2c_rdwr_ioctl_data request{kernelMessages.data(), static_cast<__u32>(count)};
    const int result = ioctl(fd, I2C_RDWR, &request);
    return result < 0 ? -errno : result;
}

std::int64_t RealI2cDevSystem::nowUs(int)
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void RealI2cDevSystem::sleepUs(int, std::int64_t microseconds)
{
    std::this_thread::sleep_for(std::chrono::microseconds(microseconds));
}
