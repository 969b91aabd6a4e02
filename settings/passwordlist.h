#pragma once
// The named passwords that "Automatic" tries in turn and that --password
// picks by name, and which of them each vendor's part number took last. The
// window, the command line and the series share both through the settings.

#include "passwordcandidates.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

struct NamedPassword {
    QString name;
    QString digits;  // eight hex digits; empty for a preset
    int preset = 0;  // 1 or 2: a built-in preset, whose bytes are neither stored nor shown

    // Four bytes; empty when the digits are not eight hex digits.
    QByteArray bytes() const;
    bool isComplete() const { return bytes().size() == 4; }
};
using PasswordList = QVector<NamedPassword>;

class PasswordStore
{
    Q_DECLARE_TR_FUNCTIONS(PasswordStore)

public:
    // The stored list; the first time the two presets and the SFF-8472
    // factory default, stored at once so that their names stay.
    static PasswordList load();
    // Keeps the complete entries.
    static void save(const PasswordList &list);
    static PasswordCandidates candidates(const PasswordList &list);
    // By name, whatever the case; -1 when none is so named.
    static int find(const PasswordList &list, const QString &name);

    static QString remembered(const QString &vendor, const QString &partNumber);
    static void remember(const QString &vendor, const QString &partNumber, const QString &name);
    // What was remembered under an entry's old name follows it.
    static void renameRemembered(const QString &from, const QString &to);
};
