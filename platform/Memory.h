#pragma once

#include <malloc.h>

namespace platform {

// Every thread that allocates would get a heap of its own, with 64 MiB of address space
// reserved for it: under a limit on address space the reader threads alone could exhaust it.
// They allocate little; one heap serves the whole process. main() calls this before any thread
// starts.
inline void UseOneHeap() {
#ifdef M_ARENA_MAX
    mallopt(M_ARENA_MAX, 1);
#endif
}

// Gives the system back the pages that freed memory left whole. Memory freed in many small
// pieces stays with the process otherwise, even when nothing will use it again.
inline void ReturnFreedMemory() {
    malloc_trim(0);
}

} // namespace platform
