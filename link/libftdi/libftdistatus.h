#pragma once
// What libftdi's return codes mean as D2XX statuses. Every libftdi call
// numbers its errors on its own, so each has its own translation:
//   FT_DEVICE_NOT_OPENED  the device is there but could not be taken:
//                         no permission, or in use by another program or driver
//   FT_IO_ERROR           a USB transfer to or from the chip failed
//   FT_INVALID_HANDLE     libftdi no longer has the USB device
//   FT_INVALID_PARAMETER  a value the chip does not accept
//   FT_INVALID_BAUD_RATE  a rate the chip cannot make
//   FT_INSUFFICIENT_RESOURCES  libftdi ran out of memory
//   FT_OTHER_ERROR        anything libftdi did not document

#include "d2xx.h"

namespace libftdistatus {

// Why an open failed, for the advice printed after it.
enum class OpenFailure { None, PermissionDenied, InUse, Other };

FT_STATUS ofOpen(int result);                 // ftdi_usb_open_dev()
OpenFailure openFailureOf(int result);
FT_STATUS ofBitMode(int result);              // ftdi_set_bitmode()
FT_STATUS ofPurge(int result);                // ftdi_tciflush(), ftdi_tcoflush()
FT_STATUS ofLatencyTimer(int result);         // ftdi_set_latency_timer()
FT_STATUS ofChunkSize(int result);            // ftdi_read/write_data_set_chunksize()
FT_STATUS ofBaudRate(int result);             // ftdi_set_baudrate()
FT_STATUS ofTransfer(int result);             // ftdi_write_data(), ftdi_read_data()
FT_STATUS ofReadPins(int result);             // ftdi_read_pins()
FT_STATUS ofClose(int result);                // ftdi_usb_close()

}  // namespace libftdistatus
