#pragma once
// The two fixed module write passwords offered as presets. They are put
// together byte by byte when needed and are kept nowhere as a whole.

class QByteArray;

void appendZorvik1Password(QByteArray &password);
void appendZorvik2Password(QByteArray &password);
