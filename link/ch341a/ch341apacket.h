#pragma once
// One bulk packet of I2C stream commands for the CH341A, and how many bytes
// its answer holds.

#include "ch341aprotocol.h"

#include <vector>

class Ch341aPacket
{
public:
    Ch341aPacket() : bytes{ch341a::kI2cStream} {}

    void start()
    {
        bytes.push_back(ch341a::kStart);
        condition = Condition::Start;
    }
    void stop()
    {
        bytes.push_back(ch341a::kStop);
        condition = Condition::Stop;
    }
    // One byte out; its acknowledge comes back as a status byte.
    void out(std::uint8_t byte)
    {
        bytes.push_back(ch341a::kOut);
        bytes.push_back(byte);
        ++answerBytes;
    }
    void in(bool acknowledge)
    {
        bytes.push_back(acknowledge ? ch341a::kIn | 1 : ch341a::kIn);
        ++answerBytes;
    }
    void setSpeed(std::uint8_t speed) { bytes.push_back(ch341a::kSet | speed); }

    bool empty() const { return bytes.size() == 1; }
    // The last start or stop the packet makes, if any.
    enum class Condition { None, Start, Stop };
    Condition lastCondition() const { return condition; }
    // Commands of one byte that still fit before the end command.
    int room() const { return ch341a::kPacketSize - 1 - static_cast<int>(bytes.size()); }
    int answers() const { return answerBytes; }
    std::vector<std::uint8_t> finished() const
    {
        std::vector<std::uint8_t> packet = bytes;
        packet.push_back(ch341a::kEnd);
        return packet;
    }

private:
    std::vector<std::uint8_t> bytes;
    int answerBytes = 0;
    Condition condition = Condition::None;
};
