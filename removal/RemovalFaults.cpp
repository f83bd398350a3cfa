#include "removal/RemovalFaults.h"

namespace {
RemovalFaults* g_faults = nullptr;
}

RemovalFaults* InstalledRemovalFaults() {
    return g_faults;
}
void InstallRemovalFaults(RemovalFaults* faults) {
    g_faults = faults;
}
