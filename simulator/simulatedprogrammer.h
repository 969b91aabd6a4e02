#pragma once
// A model of an FTDI chip in synchronous bit-bang mode on a programmer board,
// with SDA on pin D4 and SCL on pin D2 wired open-drain to a module socket.
//
// Every byte written puts the output pins in that state; one sample of all
// pins is read back per byte, taken just before the byte is applied, as the
// real chip does. The lines are wired-AND with the module, so a module pulling
// SDA or SCL low shows in the samples and in FT_GetBitMode. A bus recorder
// watches the lines and keeps every transaction for tests.
//
// The board lives in simulated time, which runs with the samples written (at
// the chip's bit-bang clock, see setChipType()) and with the USB traffic as
// FtdiUsb models it: frames, packets and the latency timer. A module's write
// cycle and clock stretching are measured in that time, so that a test never
// depends on how fast the machine runs it.

#include "busrecorder.h"
#include "modulesocket.h"
#include "simulatedboard.h"
#include "d2xx.h"
#include "ftdiusb.h"
#include "simulatedmodule.h"

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class SimulatedProgrammer : public SimulatedBoard
{
public:
    enum class Call {
        OpenEx, SetBitMode, Purge, SetLatencyTimer, SetUSBParameters, SetBaudRate,
        SetTimeouts, Write, Read, GetBitMode, Close
    };

    struct Record {
        std::vector<std::string> calls;          // every D2XX call, e.g. "FT_SetBitMode(0x14, 4)"
        std::vector<int> flushSizes;             // the count of every FT_Write
        std::vector<std::uint8_t> pinReads;      // every FT_GetBitMode result
        std::vector<std::uint8_t> samplesWritten;
        std::vector<std::uint8_t> samplesRead;
        std::vector<I2cTransaction> transactions;
        int startConditions = 0;
        // Exchanges over USB: flushes, pin reads and other control requests.
        int usbTransfers = 0;
    };

    using Time = SimulatedModule::Time;

    static constexpr std::uint8_t kSdaPin = 1 << 4;
    static constexpr std::uint8_t kSclPin = 1 << 2;

    explicit SimulatedProgrammer(std::string serialNumber,
                                 std::shared_ptr<SimulatedModule> module = std::make_shared<SimulatedModule>());

    const std::string &serialNumber() const { return serial; }
    std::shared_ptr<SimulatedModule> module() const;
    void setModule(std::shared_ptr<SimulatedModule> module) override;

    // The chip generation (FT232R unless set). Its bit-bang clock is a
    // multiple of the baud rate: 16 on the R, X and 2232C/D chips, 80 on
    // the H chips, the highest rate reported for them.
    void setChipType(FT_DEVICE type);
    FT_DEVICE chipType() const;
    void setLatencyTimer(int milliseconds);

    // Faults: `call` fails with `status` from its (successes + 1)-th use on.
    void failCall(Call call, FT_STATUS status, int successes = 0);
    // Every FT_Read hands over `missing` samples fewer than asked for and
    // reports success, as a driver that lost them might.
    void shortenReads(int missing);
    void clearFailures();
    void setSclStuckLow(bool stuck);
    void setLineFaults(const ModuleSocket::Faults &faults) override;
    // Runs at the start of every FT_Write with its sample count, on the
    // writing thread.
    void setWriteHook(std::function<void(int count)> hook);
    // Runs at the start of every FT_OpenEx, before the programmer is
    // locked: a socket operator plugs and pulls modules there.
    void setOpenHook(std::function<void()> hook) override;

    // What the lines just did, as seen while recording. Tests act at a known
    // point of a transfer through it, whatever the exchange with the chip;
    // the hook runs on the writing thread and may call advance().
    using BusEvent = ::BusEvent;
    void setBusHook(std::function<void(const BusEvent &)> hook) override;

    // What happened, while recording (on by default).
    Record record() const;
    WireTrace trace() const;
    void clearRecord() override;
    void setRecording(bool on);
    bool isOpen() const override;
    bool wasUsed() const override;
    std::vector<I2cTransaction> transactions() const override;
    int startConditions() const override;
    // Opening fails with FT_DEVICE_NOT_OPENED; unplugged, writes fail with FT_IO_ERROR.
    void denyAccess(bool denied) override;
    void unplugAfter(int exchanges) override;

    // Simulated time, in nanoseconds since the board was made.
    Time now() const;
    void advance(std::chrono::nanoseconds duration) override;

    // D2XX operations, called by the simulated backend.
    FT_STATUS open();
    FT_STATUS setBitMode(std::uint8_t mask, std::uint8_t mode);
    FT_STATUS configure(Call call, const std::string &description);
    FT_STATUS setBaudRate(std::uint32_t baudRate);
    FT_STATUS write(const std::uint8_t *data, std::uint32_t count, std::uint32_t *written);
    FT_STATUS read(std::uint8_t *data, std::uint32_t count, std::uint32_t *returned);
    FT_STATUS getBitMode(std::uint8_t *pins);
    FT_STATUS close();

private:
    FT_STATUS injectedFailure(Call call);
    void note(std::string call);
    void drive(std::uint8_t pins);
    void settle();
    std::uint8_t pins() const;
    ModuleSocket::Drive masterSda() const;
    ModuleSocket::Drive masterScl() const;
    bool sdaLevel() const;
    bool sclLevel() const;
    // A control request to the chip.
    void controlRequest();

    mutable std::recursive_mutex mutex;
    const std::string serial;
    ModuleSocket socket;
    Record log;
    bool recording = true;

    struct Failure {
        FT_STATUS status;
        int successesLeft;
    };
    std::map<Call, Failure> failures;
    int readsShortBy = 0;
    FT_DEVICE chip = FT_DEVICE_232R;
    FtdiUsb usb;
    int latencyMs = 16;
    std::function<void(int)> writeHook;
    std::function<void()> openHook;

    bool opened = false;
    std::uint8_t outputMask = 0;
    std::uint8_t bitMode = 0;
    std::uint8_t driven = 0xFF;
    std::deque<std::uint8_t> readBack;
    Time clock = 0;
    Time samplePeriod = 0;
};
