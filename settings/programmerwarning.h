#pragma once

#include <QString>

// Shown once a session before a CH341A is used: common CH341A boards put
// 5 V on the module's bus, and SFP modules expect 3.3 V.
QString ch341aVoltageWarning();
