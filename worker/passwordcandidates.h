#pragma once
// The passwords a write tries in turn when the module's password is not
// known: each by the name the operator gave it, which is what reports show.

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <QVector>

#include <functional>

struct PasswordCandidate {
    QString name;
    QByteArray password;  // four bytes; empty for no password
};
using PasswordCandidates = QVector<PasswordCandidate>;
Q_DECLARE_METATYPE(PasswordCandidates)

// The name of the password a module of this vendor and part number took
// last; empty when none is remembered. Called on the worker's thread.
using PasswordRecall = std::function<QString(const QString &vendor, const QString &partNumber)>;

// The list with the named one first, the rest in their order.
PasswordCandidates withFirst(PasswordCandidates candidates, const QString &name);
