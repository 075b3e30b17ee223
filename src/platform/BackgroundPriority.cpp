#include "platform/BackgroundPriority.h"

#include <QtGlobal>

#if defined(Q_OS_LINUX)
#include <sys/resource.h>
#endif

void BackgroundPriority::lowerThisThread() {
#if defined(Q_OS_LINUX)
    // On Linux the nice value belongs to the thread that sets it. Ten gives the thread about a
    // tenth of the weight of one at zero while both want a core.
    setpriority(PRIO_PROCESS, 0, 10);
#endif
}
