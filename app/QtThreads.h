#pragma once

// Qt draws large images on the threads of its pool, and a thread it cannot start (out of
// address space, or of descriptors for its wake-up) leaves the drawing waiting for good. This
// starts them at once, while there is room, and keeps them; and it has the readers of a search
// leave descriptors for the window's own needs. Called once the application exists.
void KeepQtThreadsReady();
