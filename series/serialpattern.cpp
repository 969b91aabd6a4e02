#include "serialpattern.h"

namespace {

bool isDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

bool isPrintableAscii(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    return true;
}

qint64 largest(int width)
{
    qint64 value = 0;
    for (int i = 0; i < width; ++i)
        value = value * 10 + 9;
    return value;
}

}  // namespace

bool SerialPattern::parse(const QString &text, SerialPattern *pattern, QString *error)
{
    // The prefix may hold a '+' of its own; the counter never does.
    const int plus = text.lastIndexOf(QLatin1Char('+'));
    if (plus < 0) {
        *error = tr("The serial numbers \"%1\" lack the counter: write PREFIX+FIRST or PREFIX+FIRST..LAST, "
                    "for example VX2612+0001..0500")
                     .arg(text);
        return false;
    }
    const QString counter = text.mid(plus + 1);
    const int dots = counter.indexOf(QLatin1String(".."));
    return make(text.left(plus), dots < 0 ? counter : counter.left(dots), dots < 0 ? QString() : counter.mid(dots + 2),
                pattern, error);
}

bool SerialPattern::make(const QString &prefix, const QString &first, const QString &last, SerialPattern *pattern,
                         QString *error)
{
    if (!isPrintableAscii(prefix)) {
        *error = tr("The serial number prefix \"%1\" holds characters other than printable ASCII").arg(prefix);
        return false;
    }
    if (!isDigits(first) || (!last.isEmpty() && !isDigits(last))) {
        *error = tr("The counter \"%1\" must be decimal digits, its last value too")
                     .arg(last.isEmpty() ? first : first + QLatin1String("..") + last);
        return false;
    }
    if (prefix.size() + first.size() > kFieldLength) {
        *error = tr("\"%1\" and a counter of %2 digits do not fit in the %3 characters of the serial number")
                     .arg(prefix)
                     .arg(first.size())
                     .arg(kFieldLength);
        return false;
    }
    SerialPattern made;
    made.prefix_ = prefix;
    made.width_ = first.size();
    made.first_ = first.toLongLong();
    bool fits = true;
    made.last_ = last.isEmpty() ? largest(made.width_) : last.toLongLong(&fits);
    if (!fits || made.last_ > largest(made.width_)) {
        *error = tr("The last value %1 has more digits than the counter's %2").arg(last).arg(made.width_);
        return false;
    }
    if (made.last_ < made.first_) {
        *error = tr("The last value %1 comes before the first, %2").arg(last, first);
        return false;
    }
    *pattern = made;
    return true;
}

QString SerialPattern::serial(qint64 number) const
{
    return prefix_ + QStringLiteral("%1").arg(number, width_, 10, QLatin1Char('0'));
}

qint64 SerialPattern::numberOf(const QString &serial) const
{
    if (!isValid() || serial.size() != prefix_.size() + width_ || !serial.startsWith(prefix_))
        return -1;
    const QString digits = serial.mid(prefix_.size());
    const qint64 number = isDigits(digits) ? digits.toLongLong() : -1;
    return number >= first_ && number <= last_ ? number : -1;
}

QString SerialPattern::text() const
{
    return prefix_ + QLatin1Char('+') + serial(first_).mid(prefix_.size()) + QLatin1String("..")
           + serial(last_).mid(prefix_.size());
}
