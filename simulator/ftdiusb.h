#pragma once
// What the USB link of an FTDI chip in synchronous bit-bang costs in time,
// for the simulated programmer's clock. Every sample is a byte to the chip
// and a byte back; the bytes travel in bulk packets, scheduled in frames:
// - full speed (R, X, 2232C/D): 1 ms frames, 64-byte packets, at most 19
//   bulk packets a frame for both directions together (about 1.2 MB/s);
// - high speed (the H chips): 125 us microframes, 512-byte packets, at most
//   13 a microframe.
// Each packet back carries two status bytes before the samples. A transfer
// begins at a frame; the chip clocks the samples out as they arrive, never
// faster than its sample clock nor than the packets bring them; a read-back
// that ends inside a packet waits for the chip's latency timer. A control
// request (bit mode, baud rate, a pin read) takes a frame of its own.

#include "d2xx.h"

#include <cstdint>

class FtdiUsb
{
public:
    using Time = std::int64_t;  // nanoseconds

    explicit FtdiUsb(FT_DEVICE type = FT_DEVICE_232R);

    void setLatencyTimer(int milliseconds) { latencyNs = Time{milliseconds} * 1000000; }
    bool highSpeed() const { return high; }
    Time frame() const { return frameNs; }
    // The start of the first frame at or after `now`.
    Time nextFrame(Time now) const;
    // Between two samples of a flush: the sample period, or longer where
    // the packets cannot bring them that fast.
    Time sampleSpacing(Time samplePeriod) const;
    // After the last sample of a flush of `count`, until its read-back is
    // with the host.
    Time readBackDelay(int count) const;
    // A control request issued at `now` is done at the returned time.
    Time controlDone(Time now) const { return nextFrame(now) + frameNs; }

private:
    bool high;
    Time frameNs;
    int packetBytes;
    int packetsPerFrame;
    Time latencyNs = 16000000;  // the chips' default
};
