#include "checkcodes.h"

#include "cmismap.h"
#include "diagnosticvalues.h"
#include "qsfpmap.h"

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
    const Page page{code.page};
    if (!image.holds(code.device, code.covered(), page) || !image.holds(code.device, code.at, 1, page))
        return state;
    state.held = true;
    state.stored = image.byte(code.device, code.at, page);
    state.computed = checkCodeOf(image.bytes(code.device, code.covered(), page), 0, code.count);
    return state;
}

bool isJudged(const ModuleImage &image, const CheckCodeSpan &code)
{
    return code.device != kDeviceA2 || !Diagnostics::declaredAbsent(image);
}

bool recomputeCheckCode(ModuleImage &image, const CheckCodeSpan &code)
{
    const CheckCodeState state = checkCode(image, code);
    return state.held && image.write(code.device, code.at, QByteArray(1, char(state.computed)), Page{code.page});
}

QVector<NamedCheckCode> checkCodesOf(Family family)
{
    if (family == Family::Qsfp)
        return {{"CC_BASE", "base", qsfp::kCcBase}, {"CC_EXT", "ext", qsfp::kCcExt}};
    if (family == Family::Cmis)
        return {{"CC_00h", "page_00", cmis::kCcBase}, {"CC_01h", "page_01", cmis::kCcPage01},
                {"CC_02h", "page_02", cmis::kCcPage02}};
    return {{"CC_BASE", "base", kCcBase}, {"CC_EXT", "ext", kCcExt}, {"CC_DMI", "dmi", kCcDmi}};
}

int recomputeCheckCodes(ModuleImage &image)
{
    int rewritten = 0;
    for (const NamedCheckCode &code : checkCodesOf(familyOf(image)))
        rewritten += recomputeCheckCode(image, code.span) ? 1 : 0;
    return rewritten;
}

}  // namespace sff
