#pragma once
// Breaking text into lines for a terminal, for the help and the decode.

#include <QString>

// Breaks text into lines of at most `width` characters at spaces; every line
// after the first starts with `indent` spaces. Line breaks in it are kept.
QString wrapped(const QString &text, int width, int indent = 0);
