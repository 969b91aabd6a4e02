#include "i2cdevadapters.h"

#include <algorithm>
#include <cctype>
#include <mutex>

namespace {

constexpr char kPrefix[] = "i2c-";

std::mutex installedMutex;
std::shared_ptr<I2cDevSystem> installed;

std::string trimmed(std::string text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.pop_back();
    return text;
}

}  // namespace

std::string I2cDevAdapter::identity() const
{
    return kPrefix + std::to_string(number);
}

std::string I2cDevAdapter::description() const
{
    return name.empty() ? identity() : identity() + ": " + name;
}

std::string I2cDevAdapter::devicePath() const
{
    return "/dev/" + identity();
}

int i2cDevAdapterNumber(const std::string &identity)
{
    const std::string prefix = kPrefix;
    if (identity.size() <= prefix.size() || identity.size() > prefix.size() + 6
        || identity.compare(0, prefix.size(), prefix) != 0)
        return -1;
    int number = 0;
    for (size_t i = prefix.size(); i < identity.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(identity[i])))
            return -1;
        number = number * 10 + (identity[i] - '0');
    }
    return number;
}

std::vector<I2cDevAdapter> listI2cDevAdapters(I2cDevSystem &system)
{
    std::vector<std::string> entries;
    if (system.listDirectory(kI2cDevClassDirectory, entries) < 0)
        return {};
    std::vector<I2cDevAdapter> adapters;
    for (const std::string &entry : entries) {
        I2cDevAdapter adapter;
        adapter.number = i2cDevAdapterNumber(entry);
        if (adapter.number < 0)
            continue;
        std::string name;
        if (system.readFile(std::string(kI2cDevClassDirectory) + "/" + entry + "/name", name) >= 0)
            adapter.name = trimmed(name);
        adapters.push_back(adapter);
    }
    std::sort(adapters.begin(), adapters.end(),
              [](const I2cDevAdapter &a, const I2cDevAdapter &b) { return a.number < b.number; });
    return adapters;
}

namespace i2cdev {

void installSystem(std::shared_ptr<I2cDevSystem> system)
{
    std::lock_guard<std::mutex> lock(installedMutex);
    installed = std::move(system);
}

void removeSystem()
{
    installSystem(nullptr);
}

std::shared_ptr<I2cDevSystem> installedSystem()
{
    std::lock_guard<std::mutex> lock(installedMutex);
    return installed;
}

}  // namespace i2cdev
