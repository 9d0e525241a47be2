#pragma once

// The editor's headers use Qt's plain keywords, which this program switches off; lend them
// for the include only.
#define signals Q_SIGNALS
#define slots Q_SLOTS
#include <Qsci/qsciscintilla.h>
#undef signals
#undef slots
