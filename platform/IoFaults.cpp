#include "platform/IoFaults.h"

namespace platform {

namespace {
IoFaults* g_faults = nullptr;
}

IoFaults* InstalledIoFaults() {
    return g_faults;
}
void InstallIoFaults(IoFaults* faults) {
    g_faults = faults;
}

} // namespace platform
