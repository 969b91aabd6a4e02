#pragma once
// The journal of a series: a CSV file with a header line and one line per
// module. Each line is on the disk (flushed and synced) before append()
// returns, so that a crash or a power cut loses no module that was done.
// A series started on an existing journal goes on after the highest serial
// number of its pattern found there.
//
// Beside it, "<journal>.claims" keeps every number handed to a module before
// the module is written, synced as well: a crash in the middle of a module
// leaves no journal line for it, but its number is still never handed out
// again.
//
// An open journal is locked: one journal takes one series at a time, be it
// from another station, the window or the command line.

#include "seriesrecord.h"

#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QStringList>

#include <functional>

class SerialPattern;

class SeriesJournal
{
    Q_DECLARE_TR_FUNCTIONS(SeriesJournal)

public:
    SeriesJournal();

    // How a written file is made durable; tests watch it through this.
    using Sync = std::function<bool(QFile &file)>;

    // Opens and locks the journal for appending, creating it with its
    // header; an existing file must be a journal that no other series has
    // open. False with a message otherwise.
    bool open(const QString &path, QString *error);
    void close();
    bool isOpen() const { return file_.isOpen(); }

    // The highest counter of `pattern` among the serial numbers written so
    // far; -1 when there is none.
    qint64 lastUsed(const SerialPattern &pattern) const;
    // The fields of the last `count` lines, oldest first.
    QList<QStringList> lastLines(int count) const;

    bool append(const SeriesRecord &record, QString *error);
    // Notes a number about to be written into a module.
    bool claim(const QString &serial, QString *error);

    // One CSV line, quoted where needed, without the line break.
    static QString csvLine(const QStringList &fields);
    static QStringList parseCsvLine(const QString &line);

    void setSync(Sync sync) { sync_ = std::move(sync); }

private:
    bool readJournal(QString *error);
    bool readClaims(QString *error);
    bool writeSynced(const QByteArray &bytes, QString *error);
    QString claimsPath() const { return file_.fileName() + QStringLiteral(".claims"); }

    QFile file_;
    QStringList serials_;  // every serial number column so far, and every claim
    QList<QStringList> lines_;
    bool endsInLineBreak_ = true;
    bool claimsEndInLineBreak_ = true;
    Sync sync_;
};
