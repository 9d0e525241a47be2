#include "support/support_resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitPendaraResources() { Q_INIT_RESOURCE(pendara); }

namespace pendara {

void LoadSupportResources() {
    static const bool loaded = (InitPendaraResources(), true);
    (void)loaded;
}

}  // namespace pendara
