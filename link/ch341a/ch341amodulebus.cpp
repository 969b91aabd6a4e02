#include "ch341amodulebus.h"

#include "ch341adevices.h"

#include <algorithm>
#include <cstdio>

namespace {

BusFailure checkDevice(std::uint8_t device)
{
    if (device == 0x50 || device == 0x51)
        return {};
    char text[64];
    std::snprintf(text, sizeof text, "address 0x%02X is not one of a module's", device);
    return BusFailure::of(BusFailure::Io, text);
}

bool acknowledged(std::uint8_t status)
{
    return !(status & ch341a::kNotAcknowledged);
}

std::uint8_t addressByte(std::uint8_t device, bool forReading)
{
    return static_cast<std::uint8_t>(device << 1 | (forReading ? 1 : 0));
}

}  // namespace

Ch341aModuleBus::Ch341aModuleBus(std::vector<std::shared_ptr<Ch341aUsb>> usbs) : usbs(std::move(usbs))
{
}

Ch341aModuleBus::~Ch341aModuleBus()
{
    close();
}

BusFailure Ch341aModuleBus::open(const std::string &identity)
{
    close();
    for (const std::shared_ptr<Ch341aUsb> &candidate : usbs) {
        std::vector<Ch341aUsb::Device> devices;
        if (candidate->listDevices(devices) < 0)
            continue;
        auto found = std::find_if(devices.begin(), devices.end(), [&](const Ch341aUsb::Device &device) {
            return isCh341a(device) && ch341aIdentity(device) == identity;
        });
        int result = 1;
        std::string description;
        if (found != devices.end()) {
            description = ch341aDescription(*found);
            result = candidate->open(*found, handle);
        }
        candidate->releaseDevices(devices);
        if (result > 0)
            continue;
        usb = candidate;
        if (result == Ch341aUsb::kErrorAccess)
            return openFailure("no permission to use the " + description
                               + "; install the udev rule /etc/udev/rules.d/60-vexa-modulant.rules "
                                 "(cmake --install does), run \"sudo udevadm control --reload-rules\" "
                                 "and replug the programmer");
        if (result < 0)
            return openFailure(description + ": " + usb->errorText(result));
        break;
    }
    if (!handle)
        return BusFailure::of(BusFailure::NoProgrammer, "not attached");

    // A kernel driver for the chip's I2C side holds it until it is let go;
    // close() gives it back.
    if (usb->kernelDriverActive(handle, ch341a::kInterface) == 1) {
        if (const int result = usb->detachKernelDriver(handle, ch341a::kInterface); result < 0)
            return openFailure("couldn't take the CH341A from its kernel driver: " + usb->errorText(result));
        detached = true;
    }
    if (const int result = usb->claimInterface(handle, ch341a::kInterface); result < 0)
        return openFailure(result == Ch341aUsb::kErrorBusy ? "another program is using the CH341A"
                                                           : "CH341A: " + usb->errorText(result));
    claimed = true;

    Ch341aPacket speed;
    speed.setSpeed(ch341a::kSpeed100k);
    std::vector<std::uint8_t> answer;
    if (BusFailure failure = exchange(speed, answer))
        return BusFailure::of(BusFailure::NoProgrammer, failure.detail);
    return {};
}

BusFailure Ch341aModuleBus::openFailure(std::string detail)
{
    release();
    return BusFailure::of(BusFailure::NoProgrammer, std::move(detail));
}

void Ch341aModuleBus::close()
{
    if (handle && claimed && (stopOwed || inTransaction)) {
        // The stop after a refused selection goes out before the chip is let go.
        Ch341aPacket last;
        last.stop();
        std::vector<std::uint8_t> answer;
        exchange(last, answer);
    }
    release();
}

void Ch341aModuleBus::release()
{
    if (!handle)
        return;
    lastUs = usb->nowUs(handle);
    if (claimed)
        usb->releaseInterface(handle, ch341a::kInterface);
    if (detached)
        usb->attachKernelDriver(handle, ch341a::kInterface);
    usb->close(handle);
    handle = nullptr;
    claimed = detached = inTransaction = stopOwed = false;
}

std::int64_t Ch341aModuleBus::nowUs() const
{
    if (handle)
        lastUs = usb->nowUs(handle);
    return lastUs;
}

Ch341aPacket Ch341aModuleBus::packet()
{
    Ch341aPacket packet;
    if (stopOwed)
        packet.stop();
    stopOwed = false;
    return packet;
}

BusFailure Ch341aModuleBus::exchange(const Ch341aPacket &packet, std::vector<std::uint8_t> &answer)
{
    answer.clear();
    if (!handle)
        return BusFailure::of(BusFailure::Io, "the CH341A is not open");
    std::vector<std::uint8_t> bytes = packet.finished();
    int moved = 0;
    int result = usb->bulkTransfer(handle, ch341a::kEndpointOut, bytes.data(), static_cast<int>(bytes.size()),
                                   moved, kTimeoutMs);
    if (result >= 0 && moved != static_cast<int>(bytes.size()))
        result = -1;
    if (result >= 0 && packet.answers() > 0) {
        answer.resize(ch341a::kPacketSize);
        result = usb->bulkTransfer(handle, ch341a::kEndpointIn, answer.data(), ch341a::kPacketSize, moved,
                                   kTimeoutMs);
        if (result >= 0 && moved != packet.answers()) {
            const std::string detail = "the CH341A answered " + std::to_string(moved) + " bytes where "
                                       + std::to_string(packet.answers()) + " were due";
            release();
            return BusFailure::of(BusFailure::Io, detail);
        }
        answer.resize(static_cast<size_t>(std::max(moved, 0)));
    }
    if (result < 0) {
        // Nothing more is sent to a chip that failed.
        const std::string detail = "CH341A: " + usb->errorText(result);
        release();
        return BusFailure::of(BusFailure::Io, detail);
    }
    if (packet.lastCondition() != Ch341aPacket::Condition::None)
        inTransaction = packet.lastCondition() == Ch341aPacket::Condition::Start;
    return {};
}

BusFailure Ch341aModuleBus::checkAbort(bool midRead)
{
    if (!stopRequested())
        return {};
    Ch341aPacket last;
    if (midRead)
        last.in(false);  // without acknowledge, so the module lets go of SDA
    if (inTransaction || stopOwed)
        last.stop();
    std::vector<std::uint8_t> answer;
    if (!last.empty())
        if (BusFailure failure = exchange(last, answer))
            return failure;
    release();
    return BusFailure::of(BusFailure::Stopped);
}

BusFailure Ch341aModuleBus::select(std::uint8_t device, bool forReading, const Attempts &attempts)
{
    const std::int64_t firstUs = nowUs();
    for (int attempt = 1;; ++attempt) {
        Ch341aPacket selection = packet();
        selection.start();
        selection.out(addressByte(device, forReading));
        std::vector<std::uint8_t> answer;
        if (BusFailure failure = exchange(selection, answer))
            return failure;
        const bool answered = acknowledged(answer[0]);
        // Once addressed for reading the module drives SDA, so an abort must
        // read a byte off it before a stop can be made.
        if (BusFailure failure = checkAbort(forReading && answered))
            return failure;
        if (answered)
            return {};
        stopOwed = true;
        if (attempt >= attempts.minimum && nowUs() - firstUs >= attempts.pollUs) {
            BusFailure refused = BusFailure::of(BusFailure::RefusedSelection);
            refused.forReading = forReading;
            return refused;
        }
    }
}

BusFailure Ch341aModuleBus::read(std::uint8_t device, std::uint8_t offset, int count, const Attempts &attempts,
                                 std::vector<std::uint8_t> &data)
{
    data.assign(static_cast<size_t>(std::max(count, 0)), 0);
    if (BusFailure failure = checkDevice(device))
        return failure;
    if (BusFailure failure = checkAbort(false))
        return failure;

    // A random read: the word address is written and ended by a stop, then a
    // fresh start addresses the module for reading.
    if (BusFailure failure = select(device, false, attempts))
        return failure;
    Ch341aPacket address = packet();
    address.out(offset);
    address.stop();
    std::vector<std::uint8_t> answer;
    if (BusFailure failure = exchange(address, answer))
        return failure;
    const bool addressTaken = acknowledged(answer[0]);
    if (BusFailure failure = checkAbort(false))
        return failure;
    // The module has just answered, so it is not busy: the plain count of
    // attempts covers the selection for reading.
    if (BusFailure failure = select(device, true, Attempts{attempts.minimum, 0}))
        return failure;
    if (!addressTaken) {
        Ch341aPacket last = packet();
        last.in(false);
        last.stop();
        exchange(last, answer);
        release();
        BusFailure refused = BusFailure::of(BusFailure::RefusedByte);
        refused.index = 0;
        return refused;
    }

    for (int done = 0; done < count;) {
        if (BusFailure failure = checkAbort(true))
            return failure;
        Ch341aPacket bytes = packet();
        const int size = std::min(count - done, bytes.room() - 1);  // room for the stop after the last
        for (int i = done; i < done + size; ++i)
            bytes.in(i != count - 1);  // the last byte gets no acknowledge
        if (done + size == count)
            bytes.stop();
        if (BusFailure failure = exchange(bytes, answer))
            return failure;
        std::copy(answer.begin(), answer.end(), data.begin() + done);
        done += size;
    }
    if (count <= 0) {
        Ch341aPacket last = packet();
        last.in(false);
        last.stop();
        if (BusFailure failure = exchange(last, answer))
            return failure;
    }
    return {};
}

BusFailure Ch341aModuleBus::writePage(std::uint8_t device, std::uint8_t offset,
                                      const std::vector<std::uint8_t> &bytes, const Attempts &attempts)
{
    if (BusFailure failure = checkDevice(device))
        return failure;
    if (BusFailure failure = checkAbort(false))
        return failure;
    if (BusFailure failure = select(device, false, attempts))
        return failure;

    std::vector<std::uint8_t> page(bytes.size() + 1, offset);
    std::copy(bytes.begin(), bytes.end(), page.begin() + 1);
    std::vector<std::uint8_t> statuses;
    for (size_t sent = 0; sent < page.size();) {
        Ch341aPacket part = packet();
        while (sent < page.size() && part.room() >= 3) {  // a byte out, and the stop after the last
            part.out(page[sent]);
            ++sent;
        }
        // Refusals are judged after the stop, which the page gets in any
        // case, so that a module never waits in a half-written page.
        if (sent == page.size())
            part.stop();
        std::vector<std::uint8_t> answer;
        if (BusFailure failure = exchange(part, answer))
            return failure;
        statuses.insert(statuses.end(), answer.begin(), answer.end());
        if (sent < page.size())
            if (BusFailure failure = checkAbort(false))
                return failure;
    }
    for (size_t i = 0; i < statuses.size(); ++i) {
        if (!acknowledged(statuses[i])) {
            BusFailure refused = BusFailure::of(BusFailure::RefusedByte);
            refused.index = static_cast<int>(i);
            return refused;
        }
    }
    return {};
}

BusFailure Ch341aModuleBus::probe(std::uint8_t device, bool &answered)
{
    answered = false;
    if (BusFailure failure = checkDevice(device))
        return failure;
    if (BusFailure failure = checkAbort(false))
        return failure;
    Ch341aPacket selection = packet();
    selection.start();
    selection.out(addressByte(device, false));
    selection.stop();
    std::vector<std::uint8_t> answer;
    if (BusFailure failure = exchange(selection, answer))
        return failure;
    answered = acknowledged(answer[0]);
    return {};
}

BusFailure Ch341aModuleBus::waitReady(std::uint8_t device, const Attempts &attempts)
{
    if (BusFailure failure = checkDevice(device))
        return failure;
    if (BusFailure failure = checkAbort(false))
        return failure;
    if (BusFailure failure = select(device, false, attempts))
        return failure;
    Ch341aPacket last = packet();
    last.stop();
    std::vector<std::uint8_t> answer;
    return exchange(last, answer);
}
