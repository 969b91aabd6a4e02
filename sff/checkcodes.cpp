#include "checkcodes.h"

#include "diagnosticvalues.h"

#include <algorithm>

namespace sff {

quint8 checkCodeOf(const QByteArray &bytes, int first, int count)
{
    quint8 sum = 0;
    const int end = std::min<int>(bytes.size(), first + count);
    for (int i = std::max(first, 0); i < end; ++i)
        sum = quint8(sum + quint8(bytes.at(i)));
    return sum;
}

CheckCodeState checkCode(const ModuleImage &image, const CheckCodeSpan &code)
{
    CheckCodeState state;
    if (!image.holds(code.device, code.covered()) || !image.holds(code.device, code.at))
        return state;
    state.held = true;
    state.stored = image.byte(code.device, code.at);
    state.computed = checkCodeOf(image.bytes(code.device, code.covered()), 0, code.count);
    return state;
}

bool isJudged(const ModuleImage &image, const CheckCodeSpan &code)
{
    return code.device != kDeviceA2 || !Diagnostics::declaredAbsent(image);
}

bool recomputeCheckCode(ModuleImage &image, const CheckCodeSpan &code)
{
    const CheckCodeState state = checkCode(image, code);
    return state.held && image.write(code.device, code.at, QByteArray(1, char(state.computed)));
}

int recomputeCheckCodes(ModuleImage &image)
{
    int rewritten = 0;
    for (const CheckCodeSpan &code : {kCcBase, kCcExt, kCcDmi})
        rewritten += recomputeCheckCode(image, code) ? 1 : 0;
    return rewritten;
}

}  // namespace sff
