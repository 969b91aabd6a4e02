#pragma once
// How a status looks wherever the module's state is shown: an icon and a
// light background, so that it never rests on colour alone.

#include "decoder.h"

#include <QBrush>
#include <QIcon>
#include <QPalette>

QIcon statusIcon(sff::Status status);
// No brush for ok: the view's own colours.
QBrush statusBrush(sff::Status status);
QPalette statusPalette(QPalette palette, sff::Status status);
// A light green for values that are fine, where a value is judged at all.
QPalette normalPalette(QPalette palette);
