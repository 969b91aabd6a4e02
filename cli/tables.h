#pragma once
// The module's four tables as the command line names them (a0-low, a0-high,
// a2-low, a2-high, and a0, a2, all for several), where each lives, and which
// selections a raw image can hold. Tables are TableViewModel::TableId values.

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QPair>
#include <QStringList>

class LoadedImage;

class Console;

class Tables
{
    Q_DECLARE_TR_FUNCTIONS(Tables)

public:
    static const QList<int> &all();
    // Every name -t takes, with the tables it stands for.
    static const QList<QPair<QString, QList<int>>> &names();

    // The tables -t values name, in module order without repeats; `fallback`
    // when there are none. A value may list several names with commas.
    static bool parse(const QStringList &values, const QList<int> &fallback, QList<int> *tables, QString *error);

    static QString name(int table);    // "a0-low"
    static QString title(int table);   // "A0 Low", translated
    static QString titles(const QList<int> &tables);
    static quint8 device(int table);   // 0x50 or 0x51
    static int firstByte(int table);   // within its device: 0 or 128
    static int moduleOffset(int table);  // 0, 128, 256 or 384, as in a whole-module image

    // The bytes of a table that the module keeps as written: all of an A0
    // table, the first 119 of an A2 table (the vendor area and the write-only
    // password entry follow).
    static int comparedBytes(int table);

    // The size of the raw image that holds exactly these tables (one table,
    // one device or the whole module), or 0 when no image does.
    static int imageSize(const QList<int> &tables);
    // The image's bytes for tables read into `bytes`.
    static QByteArray assemble(const QMap<int, QByteArray> &bytes);
    // Whether the image can give these tables: a one-table image gives one,
    // a device image the tables of one device.
    static bool supplies(const LoadedImage &image, const QList<int> &tables, QString *error);
    // Reads an image file that gives these tables; 0, or the exit code after
    // the message is told on the console.
    static int load(const QString &file, const QList<int> &tables, LoadedImage *image, Console &console);
};
