#pragma once
// LibFtdiApi on the real libftdi1 and libusb-1.0.

#include "libftdiapi.h"

class RealLibFtdiApi : public LibFtdiApi
{
public:
    Context newContext() override;
    void freeContext(Context context) override;
    int listDevices(Context context, std::vector<UsbDevice> &devices) override;
    void releaseDevices(std::vector<UsbDevice> &devices) override;
    int readStrings(Context context, const UsbDevice &device, std::string &description,
                    std::string &serialNumber) override;
    int open(Context context, const UsbDevice &device, int interfaceIndex) override;
    int close(Context context) override;
    int setBitMode(Context context, std::uint8_t mask, std::uint8_t mode) override;
    int purgeReceive(Context context) override;
    int purgeTransmit(Context context) override;
    int setLatencyTimer(Context context, std::uint8_t milliseconds) override;
    int setReadChunkSize(Context context, unsigned size) override;
    int setWriteChunkSize(Context context, unsigned size) override;
    int setBaudRate(Context context, int baudRate) override;
    void setUsbTimeouts(Context context, int readMs, int writeMs) override;
    int write(Context context, const std::uint8_t *data, int size) override;
    int read(Context context, std::uint8_t *data, int size) override;
    int readPins(Context context, std::uint8_t *pins) override;
    Transfer submitRead(Context context, std::uint8_t *data, int size) override;
    Transfer submitWrite(Context context, const std::uint8_t *data, int size) override;
    int awaitTransfer(Transfer transfer, int milliseconds, bool &completed) override;
    int finishTransfer(Transfer transfer) override;
    void cancelTransfer(Transfer transfer, int timeoutMs) override;
    Clock::time_point now() override;
};
