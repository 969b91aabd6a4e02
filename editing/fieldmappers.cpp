#include "fieldmappers.h"

#include "sfpdatamapperchecksum.h"
#include "sfpdatamapperinteger.h"
#include "sfpdatamapperspeed.h"
#include "sfpdatamapperstring.h"
#include "tableviewmodel.h"

QList<SFPDataMapper *> createFieldMappers(const FieldEditors &editors)
{
    const int a0Low = TableViewModel::kTableA0Low;
    const int a2Low = TableViewModel::kTableA2Low;
    return {
        new SFPDataMapperSpeed(editors.dsb_speed, 12, a0Low),
        new SFPDataMapperUInt8(editors.sb_length_smf, 14, a0Low),
        new SFPDataMapperUInt8(editors.sb_length_copper, 18, a0Low),
        new SFPDataMapperMMF(editors.sb_length_mmf, 19, a0Low),
        new SFPDataMapperString(editors.le_vendor, 20, 16, a0Low),
        new SFPDataMapperString(editors.le_part_number, 40, 16, a0Low),
        new SFPDataMapperUInt16(editors.sb_wavelength, 60, a0Low),
        new SFPDataMapperString(editors.le_serial_number, 68, 16, a0Low),
        // Base ID fields, extended ID fields, diagnostics.
        new SFPDataMapperChecksum(0, 63, a0Low),
        new SFPDataMapperChecksum(64, 95, a0Low),
        new SFPDataMapperChecksum(0, 95, a2Low),
    };
}
