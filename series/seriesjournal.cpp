#include "seriesjournal.h"

#include "filelock.h"
#include "serialpattern.h"

#include <QFileInfo>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

constexpr int kSerialColumn = 2;
constexpr int kKeptLines = 100;

// Past the operating system's cache onto the disk.
bool syncToDisk(QFile &file)
{
#ifdef Q_OS_WIN
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()))) != 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

// A new file's name is safe only once its folder is synced too.
void syncFolderOf(const QString &path)
{
#ifndef Q_OS_WIN
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
#else
    Q_UNUSED(path);
#endif
}

}  // namespace

SeriesJournal::SeriesJournal() : sync_(syncToDisk) {}

bool SeriesJournal::open(const QString &path, QString *error)
{
    close();
    serials_.clear();
    lines_.clear();
    endsInLineBreak_ = claimsEndInLineBreak_ = true;
    file_.setFileName(path);
    // Opened, and so created, before it is read: the lock is on this file,
    // taken before anything in it is believed.
    if (!file_.open(QIODevice::ReadWrite | QIODevice::Append)) {
        *error = tr("Couldn't open the journal %1: %2").arg(path, file_.errorString());
        return false;
    }
    QString reason;
    const filelock::Result lock = filelock::lockExclusively(file_, &reason);
    if (lock != filelock::Result::Taken) {
        *error = lock == filelock::Result::HeldElsewhere
                     ? tr("Another series holds the journal %1; a journal takes one series at a time").arg(path)
                     : tr("Couldn't lock the journal %1: %2").arg(path, reason);
        close();
        return false;
    }
    if (!readJournal(error) || !readClaims(error)) {
        close();
        return false;
    }
    if (file_.size() == 0) {
        if (!writeSynced((csvLine(SeriesRecord::columns()) + QLatin1Char('\n')).toUtf8(), error)) {
            close();
            return false;
        }
        syncFolderOf(path);
    }
    return true;
}

bool SeriesJournal::readJournal(QString *error)
{
    const QString path = file_.fileName();
    file_.seek(0);
    const QByteArray content = file_.readAll();
    if (file_.error() != QFileDevice::NoError) {
        *error = tr("Couldn't read the journal %1: %2").arg(path, file_.errorString());
        return false;
    }
    if (content.isEmpty())
        return true;
    QList<QByteArray> rows = content.split('\n');
    endsInLineBreak_ = content.endsWith('\n');
    if (endsInLineBreak_)
        rows.removeLast();
    if (parseCsvLine(QString::fromUtf8(rows.value(0)).trimmed()) != SeriesRecord::columns()) {
        *error = tr("%1 is not a series journal: its first line is not the journal's header").arg(path);
        return false;
    }
    for (int i = 1; i < rows.size(); ++i) {
        const QStringList fields = parseCsvLine(QString::fromUtf8(rows.at(i)).trimmed());
        serials_.append(fields.value(kSerialColumn));
        lines_.append(fields);
        if (lines_.size() > kKeptLines)
            lines_.removeFirst();
    }
    return true;
}

bool SeriesJournal::readClaims(QString *error)
{
    QFile claims(claimsPath());
    if (!claims.exists())
        return true;
    // Numbers that cannot be read could be handed out again.
    const QByteArray content = claims.open(QIODevice::ReadOnly) ? claims.readAll() : QByteArray();
    if (claims.error() != QFileDevice::NoError) {
        *error = tr("Couldn't read the journal %1: %2").arg(claims.fileName(), claims.errorString());
        return false;
    }
    claimsEndInLineBreak_ = content.isEmpty() || content.endsWith('\n');
    for (const QByteArray &serial : content.split('\n'))
        serials_.append(QString::fromUtf8(serial).trimmed());
    return true;
}

void SeriesJournal::close()
{
    if (file_.isOpen())
        file_.close();
}

qint64 SeriesJournal::lastUsed(const SerialPattern &pattern) const
{
    qint64 last = -1;
    for (const QString &serial : serials_)
        last = qMax(last, pattern.numberOf(serial));
    return last;
}

QList<QStringList> SeriesJournal::lastLines(int count) const
{
    return lines_.mid(qMax(0, lines_.size() - count));
}

bool SeriesJournal::append(const SeriesRecord &record, QString *error)
{
    QStringList fields = record.fields();
    // One module, one line.
    for (QString &field : fields)
        field.replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('\r'));
    // A line cut short by a crash is ended before the next one.
    const QByteArray line = (endsInLineBreak_ ? QString() : QStringLiteral("\n")).toUtf8()
                            + (csvLine(fields) + QLatin1Char('\n')).toUtf8();
    if (!writeSynced(line, error))
        return false;
    endsInLineBreak_ = true;
    serials_.append(record.serial);
    lines_.append(fields);
    if (lines_.size() > kKeptLines)
        lines_.removeFirst();
    return true;
}

bool SeriesJournal::claim(const QString &serial, QString *error)
{
    QFile claims(claimsPath());
    const bool existed = claims.exists();
    // A line cut short by a crash is ended first, or this number would join it.
    const QByteArray line = (claimsEndInLineBreak_ ? QByteArray() : QByteArrayLiteral("\n")) + serial.toUtf8() + '\n';
    if (!claims.open(QIODevice::WriteOnly | QIODevice::Append) || claims.write(line) != line.size()
        || !claims.flush() || !sync_(claims)) {
        *error = tr("Couldn't write the journal %1: %2").arg(claims.fileName(), claims.errorString());
        return false;
    }
    if (!existed)
        syncFolderOf(claims.fileName());
    claimsEndInLineBreak_ = true;
    serials_.append(serial);
    return true;
}

bool SeriesJournal::writeSynced(const QByteArray &bytes, QString *error)
{
    if (!file_.isOpen()) {
        *error = tr("The journal is not open");
        return false;
    }
    if (file_.write(bytes) != bytes.size() || !file_.flush() || !sync_(file_)) {
        *error = tr("Couldn't write the journal %1: %2").arg(file_.fileName(), file_.errorString());
        return false;
    }
    return true;
}

QString SeriesJournal::csvLine(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields) {
        if (field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) || field.startsWith(QLatin1Char(' '))
            || field.endsWith(QLatin1Char(' ')))
            quoted.append(QLatin1Char('"') + QString(field).replace(QLatin1Char('"'), QLatin1String("\"\""))
                          + QLatin1Char('"'));
        else
            quoted.append(field);
    }
    return quoted.join(QLatin1Char(','));
}

QStringList SeriesJournal::parseCsvLine(const QString &line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields.append(field);
            field.clear();
        } else {
            field += c;
        }
    }
    fields.append(field);
    return fields;
}
