#include "fieldmappers.h"

#include "memorymap.h"

#include "sfpdatamapperchecksum.h"
#include "sfpdatamapperinteger.h"
#include "sfpdatamapperspeed.h"
#include "sfpdatamapperstring.h"
#include "tableviewmodel.h"

QList<SFPDataMapper *> createFieldMappers(const FieldEditors &editors)
{
    using namespace sff;
    const int a0Low = TableViewModel::kTableA0Low;
    const auto checksum = [](const CheckCodeSpan &code) {
        return new SFPDataMapperChecksum(code.first, code.at, tableOf(code.device, code.at));
    };
    return {
        new SFPDataMapperSpeed(editors.dsb_speed, a0::kNominalRate.offset, a0Low),
        new SFPDataMapperUInt8(editors.sb_length_smf, a0::kLengthSmfKm.offset, a0Low),
        new SFPDataMapperUInt8(editors.sb_length_copper, a0::kLengthOm4OrCopper.offset, a0Low),
        new SFPDataMapperMMF(editors.sb_length_mmf, a0::kLengthOm3.offset, a0Low),
        new SFPDataMapperString(editors.le_vendor, a0::kVendorName.offset, a0::kVendorName.length, a0Low),
        new SFPDataMapperString(editors.le_part_number, a0::kPartNumber.offset, a0::kPartNumber.length, a0Low),
        new SFPDataMapperUInt16(editors.sb_wavelength, a0::kWavelength.offset, a0Low),
        new SFPDataMapperString(editors.le_serial_number, a0::kSerialNumber.offset, a0::kSerialNumber.length, a0Low),
        checksum(kCcBase),
        checksum(kCcExt),
        checksum(kCcDmi),
    };
}
