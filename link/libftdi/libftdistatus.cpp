#include "libftdistatus.h"
#include "libftdiapi.h"

#include <initializer_list>
#include <utility>

namespace libftdistatus {
namespace {

using Codes = std::initializer_list<std::pair<int, FT_STATUS>>;

FT_STATUS translate(int result, Codes codes, FT_STATUS otherwise)
{
    if (result >= 0)
        return FT_OK;
    for (const auto &code : codes)
        if (code.first == result)
            return code.second;
    return otherwise;
}

}  // namespace

FT_STATUS ofOpen(int result)
{
    return translate(result,
                     {
                         {LibFtdiApi::kOpenConfigurationFailed, FT_DEVICE_NOT_OPENED},
                         {LibFtdiApi::kOpenUsbOpenFailed, FT_DEVICE_NOT_OPENED},
                         {LibFtdiApi::kOpenClaimFailed, FT_DEVICE_NOT_OPENED},
                         {-6, FT_IO_ERROR},  // reset failed
                         {-7, FT_IO_ERROR},  // setting the initial baud rate failed
                         {LibFtdiApi::kOpenPermissionDenied, FT_DEVICE_NOT_OPENED},
                         {-9, FT_IO_ERROR},   // device descriptor unreadable
                         {-10, FT_IO_ERROR},  // configuration descriptor unreadable
                         {-11, FT_DEVICE_NOT_OPENED},  // the kernel driver could not be detached
                         {-12, FT_IO_ERROR},  // configuration unreadable
                     },
                     FT_OTHER_ERROR);
}

OpenFailure openFailureOf(int result)
{
    switch (result) {
    case 0:
        return OpenFailure::None;
    case LibFtdiApi::kOpenPermissionDenied:
        return OpenFailure::PermissionDenied;
    case LibFtdiApi::kOpenConfigurationFailed:
    case LibFtdiApi::kOpenClaimFailed:
    case -11:
        return OpenFailure::InUse;
    default:
        return OpenFailure::Other;
    }
}

FT_STATUS ofBitMode(int result)
{
    return translate(result, {{-1, FT_IO_ERROR}, {-2, FT_INVALID_HANDLE}}, FT_OTHER_ERROR);
}

FT_STATUS ofPurge(int result)
{
    return translate(result, {{-1, FT_IO_ERROR}, {-2, FT_INVALID_HANDLE}}, FT_OTHER_ERROR);
}

FT_STATUS ofLatencyTimer(int result)
{
    return translate(result, {{-1, FT_INVALID_PARAMETER}, {-2, FT_IO_ERROR}, {-3, FT_INVALID_HANDLE}},
                     FT_OTHER_ERROR);
}

FT_STATUS ofChunkSize(int result)
{
    return translate(result, {{-1, FT_INSUFFICIENT_RESOURCES}}, FT_OTHER_ERROR);
}

FT_STATUS ofBaudRate(int result)
{
    return translate(result, {{-1, FT_INVALID_BAUD_RATE}, {-2, FT_IO_ERROR}, {-3, FT_INVALID_HANDLE}},
                     FT_OTHER_ERROR);
}

FT_STATUS ofTransfer(int result)
{
    // Any other negative value is a libusb error of the bulk transfer.
    return translate(result, {{-666, FT_INVALID_HANDLE}}, FT_IO_ERROR);
}

FT_STATUS ofReadPins(int result)
{
    return translate(result, {{-1, FT_IO_ERROR}, {-2, FT_INVALID_HANDLE}}, FT_OTHER_ERROR);
}

FT_STATUS ofClose(int result)
{
    return translate(result, {{-1, FT_IO_ERROR}, {-3, FT_INVALID_HANDLE}}, FT_OTHER_ERROR);
}

}  // namespace libftdistatus
