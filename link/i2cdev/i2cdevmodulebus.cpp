#include "i2cdevmodulebus.h"

#include "i2cdevadapters.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <system_error>

namespace {

// Between two attempts at a module that did not answer: a busy EEPROM is
// polled about once a millisecond, not as fast as the adapter allows.
constexpr std::int64_t kPollPauseUs = 1000;
// A page write of the module takes up to 80 ms; the shorter writes that
// look for a refused byte wait at least this long for each one before.
constexpr std::int64_t kWriteCycleUs = 100000;
// Read lengths tried when an adapter refuses a longer one; 60 and 180 are
// limits of common bridges.
constexpr int kReadLengths[] = {180, 128, 64, 60, 32, 16, 8, 4, 2, 1};

std::string systemMessage(int error)
{
    return std::error_code(error, std::generic_category()).message();
}

I2cMessage writeMessage(std::uint8_t device, std::uint8_t *bytes, size_t length)
{
    return I2cMessage{device, false, bytes, static_cast<std::uint16_t>(length)};
}

I2cMessage readMessage(std::uint8_t device, std::uint8_t *into, int length)
{
    return I2cMessage{device, true, into, static_cast<std::uint16_t>(length)};
}

std::string openFailure(const std::string &path, int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return "no permission to use " + path
               + "; add your user to the i2c group (sudo usermod -aG i2c $USER, then log in again), "
                 "or install the udev rule /etc/udev/rules.d/60-vexa-modulant.rules (cmake --install does) "
                 "and replug the adapter";
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return path + " does not exist; the adapter was unplugged, or the i2c-dev module is not loaded "
                      "(sudo modprobe i2c-dev)";
    default:
        return path + ": " + systemMessage(error);
    }
}

BusFailure refusedSelection(bool forReading)
{
    BusFailure failure = BusFailure::of(BusFailure::RefusedSelection);
    failure.forReading = forReading;
    return failure;
}

}  // namespace

I2cDevModuleBus::I2cDevModuleBus(std::shared_ptr<I2cDevSystem> system) : system(std::move(system))
{
}

I2cDevModuleBus::~I2cDevModuleBus()
{
    close();
}

BusFailure I2cDevModuleBus::open(const std::string &identity)
{
    close();
    const int number = i2cDevAdapterNumber(identity);
    if (!system || number < 0)
        return BusFailure::of(BusFailure::NoProgrammer, "i2c-dev adapters are not available");
    I2cDevAdapter adapter;
    adapter.number = number;
    path = adapter.devicePath();

    const int opened = system->open(path);
    if (opened < 0)
        return BusFailure::of(BusFailure::NoProgrammer, openFailure(path, -opened));
    unsigned long functions = 0;
    if (const int result = system->functionality(opened, functions); result < 0) {
        system->close(opened);
        return BusFailure::of(BusFailure::NoProgrammer, path + ": " + systemMessage(-result));
    }
    if (!(functions & I2cDevSystem::kFunctionI2c)) {
        system->close(opened);
        return BusFailure::of(BusFailure::NoProgrammer,
                              identity + " takes SMBus commands only, not the I2C messages a module read needs");
    }
    fd = opened;
    chunkLimit = kReadLengths[0];
    lastUs = system->nowUs(fd);
    return {};
}

void I2cDevModuleBus::close()
{
    if (fd < 0)
        return;
    lastUs = system->nowUs(fd);
    system->close(fd);
    fd = -1;
}

std::int64_t I2cDevModuleBus::nowUs() const
{
    if (fd >= 0)
        lastUs = system->nowUs(fd);
    return lastUs;
}

BusFailure I2cDevModuleBus::checkDevice(std::uint8_t device) const
{
    if (device == 0x50 || device == 0x51)
        return {};
    char text[64];
    std::snprintf(text, sizeof text, "address 0x%02X is not one of a module's", device);
    return BusFailure::of(BusFailure::Io, text);
}

I2cDevModuleBus::Result I2cDevModuleBus::transfer(std::vector<I2cMessage> messages)
{
    if (fd < 0)
        return {Outcome::Failed, EBADF};
    if (stopRequested())
        return {Outcome::Stopped, 0};
    const int result = system->transfer(fd, messages.data(), static_cast<int>(messages.size()));
    const bool reads = std::any_of(messages.begin(), messages.end(), [](const I2cMessage &m) { return m.read; });
    if (result == static_cast<int>(messages.size()))
        return {reads && stopRequested() ? Outcome::Stopped : Outcome::Done, 0};
    // The kernel counts the messages done: fewer than sent is a transfer
    // cut short, whose reads hold nothing, as drivers that report a refused
    // message that way make it.
    if (result >= 0)
        return {Outcome::Unanswered, EIO};
    // How adapters report a refusal varies: ENXIO is the address by
    // convention, but many give EREMOTEIO or EIO for any missing acknowledge.
    switch (-result) {
    case ENXIO:
    case EREMOTEIO:
    case EIO:
    case EAGAIN:  // arbitration lost: worth another attempt too
        return {Outcome::Unanswered, -result};
    case EOPNOTSUPP:
    case EINVAL:
    case EMSGSIZE:
        return {Outcome::TooLong, -result};
    case ETIMEDOUT:
    case EBUSY:
        return {Outcome::Stuck, -result};
    default:
        return {Outcome::Failed, -result};
    }
}

I2cDevModuleBus::Result I2cDevModuleBus::withAttempts(const Attempts &attempts,
                                                      const std::function<Result()> &operation)
{
    const std::int64_t firstUs = nowUs();
    for (int attempt = 1;; ++attempt) {
        const Result result = operation();
        if (result.outcome != Outcome::Unanswered
            || (attempt >= attempts.minimum && nowUs() - firstUs >= attempts.pollUs))
            return result;
        system->sleepUs(fd, kPollPauseUs);
    }
}

bool I2cDevModuleBus::shrinkReads(int size)
{
    for (int length : kReadLengths) {
        if (length < std::min(size, chunkLimit)) {
            chunkLimit = length;
            return true;
        }
    }
    return false;
}

BusFailure I2cDevModuleBus::failureOf(const Result &result)
{
    switch (result.outcome) {
    case Outcome::Done:
        return {};
    case Outcome::Unanswered:
    case Outcome::RefusedAddress:
        return refusedSelection(false);
    case Outcome::RefusedReading:
        return refusedSelection(true);
    case Outcome::Stopped:
        close();
        return BusFailure::of(BusFailure::Stopped);
    case Outcome::Stuck:
        close();
        return BusFailure::of(BusFailure::BusStuck, path + ": " + systemMessage(result.error));
    case Outcome::TooLong:
    case Outcome::Failed:
        break;
    }
    const std::string detail = path + ": " + systemMessage(result.error);
    close();
    return BusFailure::of(BusFailure::Io, detail);
}

I2cDevModuleBus::Result I2cDevModuleBus::readChunk(std::uint8_t device, std::uint8_t offset, std::uint8_t *into,
                                                   int size, const Attempts &attempts)
{
    std::uint8_t word = offset;
    const Result combined = withAttempts(attempts, [&] {
        return transfer({writeMessage(device, &word, 1), readMessage(device, into, size)});
    });
    if (combined.outcome != Outcome::Unanswered && combined.outcome != Outcome::TooLong)
        return combined;

    // The word address alone, then the read alone from there: which half
    // went unanswered, or a read for an adapter that takes no combined
    // transfer of this length.
    const Result addressed = transfer({writeMessage(device, &word, 1)});
    if (addressed.outcome != Outcome::Done)
        return addressed.outcome == Outcome::Unanswered ? Result{Outcome::RefusedAddress, addressed.error} : addressed;
    const Result alone = transfer({readMessage(device, into, size)});
    // An adapter may report a read too long for it as a plain failure.
    if ((alone.outcome == Outcome::Unanswered || alone.outcome == Outcome::TooLong) && size > 1)
        return {Outcome::TooLong, alone.error};
    return alone.outcome == Outcome::Unanswered ? Result{Outcome::RefusedReading, alone.error} : alone;
}

BusFailure I2cDevModuleBus::read(std::uint8_t device, std::uint8_t offset, int count, const Attempts &attempts,
                                 std::vector<std::uint8_t> &data)
{
    data.assign(static_cast<size_t>(std::max(count, 0)), 0);
    if (BusFailure failure = checkDevice(device))
        return failure;
    if (count <= 0) {
        // Nothing to read still addresses the module, with the word address.
        std::uint8_t word = offset;
        return failureOf(withAttempts(attempts, [&] { return transfer({writeMessage(device, &word, 1)}); }));
    }

    Attempts chunkAttempts = attempts;
    for (int done = 0; done < count;) {
        const int size = std::min(count - done, chunkLimit);
        const Result result = readChunk(device, static_cast<std::uint8_t>(offset + done), data.data() + done, size,
                                        chunkAttempts);
        if (result.outcome == Outcome::Done) {
            done += size;
            // The module has just answered, so it is not busy.
            chunkAttempts = Attempts{attempts.minimum, 0};
        } else if (result.outcome != Outcome::TooLong || !shrinkReads(size)) {
            return failureOf(result);
        }
    }
    return {};
}

BusFailure I2cDevModuleBus::writePage(std::uint8_t device, std::uint8_t offset,
                                      const std::vector<std::uint8_t> &bytes, const Attempts &attempts)
{
    if (BusFailure failure = checkDevice(device))
        return failure;
    std::vector<std::uint8_t> message(bytes.size() + 1, offset);
    std::copy(bytes.begin(), bytes.end(), message.begin() + 1);
    // Adapters that tell a refused address apart (ENXIO) leave no doubt
    // when nothing else was refused: the module is absent, or busy for
    // longer than the attempts wait.
    bool refusedAfterAddress = false;
    const Result written = withAttempts(attempts, [&] {
        const Result result = transfer({writeMessage(device, message.data(), message.size())});
        refusedAfterAddress = refusedAfterAddress || (result.outcome == Outcome::Unanswered && result.error != ENXIO);
        return result;
    });
    if (written.outcome != Outcome::Unanswered || !refusedAfterAddress)
        return failureOf(written);

    // Refused by the module's address or by one of the bytes: if the module
    // takes its word address (once done with what the refused writes
    // stored), ever longer beginnings of the page, each the bytes asked for,
    // find the byte it refuses.
    const Attempts eachWrite{attempts.minimum, std::max(attempts.pollUs, kWriteCycleUs)};
    std::uint8_t word = offset;
    const Result addressed =
        withAttempts(eachWrite, [&] { return transfer({writeMessage(device, &word, 1)}); });
    if (addressed.outcome != Outcome::Done)
        return failureOf(addressed);
    for (size_t length = 2; length <= message.size(); ++length) {
        const Result part =
            withAttempts(eachWrite, [&] { return transfer({writeMessage(device, message.data(), length)}); });
        if (part.outcome == Outcome::Unanswered) {
            BusFailure refused = BusFailure::of(BusFailure::RefusedByte);
            refused.index = static_cast<int>(length - 1);
            return refused;
        }
        if (part.outcome != Outcome::Done)
            return failureOf(part);
    }
    return {};  // the module took the whole page after all
}

BusFailure I2cDevModuleBus::probe(std::uint8_t device, bool &answered)
{
    answered = false;
    if (BusFailure failure = checkDevice(device))
        return failure;
    // A one-byte read: adapters differ in taking empty messages, not in this.
    std::uint8_t scratch = 0;
    const Result result = transfer({readMessage(device, &scratch, 1)});
    answered = result.outcome == Outcome::Done;
    return result.outcome == Outcome::Unanswered ? BusFailure() : failureOf(result);
}

BusFailure I2cDevModuleBus::waitReady(std::uint8_t device, const Attempts &attempts)
{
    if (BusFailure failure = checkDevice(device))
        return failure;
    std::uint8_t scratch = 0;
    return failureOf(withAttempts(attempts, [&] { return transfer({readMessage(device, &scratch, 1)}); }));
}
