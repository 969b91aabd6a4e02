#include "diagnostics.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace linkdiag {
namespace {

std::mutex sinkMutex;
Sink currentSink;

}  // namespace

void print(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0)
        std::vsnprintf(&text[0], text.size() + 1, format, args);
    va_end(args);

    std::lock_guard<std::mutex> lock(sinkMutex);
    if (currentSink) {
        currentSink(text);
    } else {
        std::fputs(text.c_str(), stdout);
        std::fflush(stdout);
    }
}

void setSink(Sink sink)
{
    std::lock_guard<std::mutex> lock(sinkMutex);
    currentSink = std::move(sink);
}

}  // namespace linkdiag
