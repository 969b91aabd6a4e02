#pragma once
// Diagnostics of the USB layer. They go to standard output; tests may divert
// them to see exactly what an operator's terminal would show.

#include <functional>
#include <string>

namespace linkdiag {

using Sink = std::function<void(const std::string &text)>;

// Formats like printf and hands the text to the sink.
void print(const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Replaces the sink; an empty function restores standard output.
void setSink(Sink sink);

}  // namespace linkdiag
