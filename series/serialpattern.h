#pragma once
// The serial numbers of a series: a fixed prefix and a decimal counter of
// fixed width, "VX2612" and "0001", counted from a first to a last value.
// The command line writes it "VX2612+0001..0500"; the digits of the first
// value give the counter's width.

#include <QCoreApplication>
#include <QString>

class SerialPattern
{
    Q_DECLARE_TR_FUNCTIONS(SerialPattern)

public:
    // The module's serial number field, in characters.
    static constexpr int kFieldLength = 16;

    // "PREFIX+FIRST[..LAST]"; without a last value the counter runs to its
    // largest (9999 for four digits).
    static bool parse(const QString &text, SerialPattern *pattern, QString *error);
    // The same from its parts, as the series dialog has them; `last` may be empty.
    static bool make(const QString &prefix, const QString &first, const QString &last, SerialPattern *pattern,
                     QString *error);

    QString prefix() const { return prefix_; }
    int width() const { return width_; }
    qint64 first() const { return first_; }
    qint64 last() const { return last_; }
    bool isValid() const { return width_ > 0; }

    // "VX26120042" for 42.
    QString serial(qint64 number) const;
    // The counter of a serial number of this series: the prefix, then
    // `width` digits of a value from first to last; -1 for any other.
    qint64 numberOf(const QString &serial) const;
    // "VX2612+0001..0500", as parse() takes it.
    QString text() const;

private:
    QString prefix_;
    int width_ = 0;
    qint64 first_ = 0;
    qint64 last_ = 0;
};
