#pragma once
// What hosts do with a module's identification: the findings of decode().

#include "decoder.h"

namespace sff {

QVector<Finding> hostFindings(const ModuleImage &image, const Words &words);

}  // namespace sff
