#include "identification.h"

namespace sff {

PasswordEntry passwordEntryOf(Family family)
{
    switch (family) {
    case Family::Sfp: break;
    case Family::Qsfp: return {kDeviceA0, 123};
    case Family::Cmis: return {kDeviceA0, 122};
    }
    return {};
}

Identification identificationOf(Family family)
{
    const Region page00 = Region::upperOf(kDeviceA0, Page{0});
    switch (family) {
    case Family::Sfp: break;
    case Family::Qsfp: return {page00, Span{148, 16}, Span{168, 16}};
    case Family::Cmis: return {page00, Span{129, 16}, Span{148, 16}};
    }
    return {};
}

}  // namespace sff
