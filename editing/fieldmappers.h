#pragma once
// The decoded-field editors of the main window and the mappers that tie
// them, and the module's check codes, to the current buffer.

#include <QList>

class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;
class SFPDataMapper;

struct FieldEditors {
    QLineEdit *le_vendor = nullptr;
    QLineEdit *le_part_number = nullptr;
    QLineEdit *le_serial_number = nullptr;
    QSpinBox *sb_length_smf = nullptr;
    QSpinBox *sb_length_mmf = nullptr;
    QSpinBox *sb_length_copper = nullptr;
    QSpinBox *sb_wavelength = nullptr;
    QDoubleSpinBox *dsb_speed = nullptr;
};

// The eleven mappers in the order the main window binds them. They have no
// parent; the caller owns them.
QList<SFPDataMapper *> createFieldMappers(const FieldEditors &editors);
