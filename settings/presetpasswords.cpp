#include "presetpasswords.h"

#include <QByteArray>

void appendZorvik1Password(QByteArray &password)
{
    password.append(char(0x5C));
    password.append(char(0x2B));
    password.append(char(0xE1));
    password.append(char(0x07));
}

void appendZorvik2Password(QByteArray &password)
{
    password.append(char(0x93));
    password.append(char(0x6D));
    password.append(char(0x0A));
    password.append(char(0xF4));
}
