#pragma once
// The backend for real FTDI programmers on libftdi1, ready for
// d2xx::installBackend().

#include <memory>

class FtdiBackend;

std::shared_ptr<FtdiBackend> makeLibFtdiBackend();
