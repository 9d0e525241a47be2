#include "support/startup_steps.h"

namespace pendara {

// Placeholders until the settings store exists.
void RecordExecutablePath(TPDFrm&) {}
void RunStartupSupportCheck(TPDFrm&) {}

}  // namespace pendara
