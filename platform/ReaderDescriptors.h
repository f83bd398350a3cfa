#pragma once

#include <cstddef>
#include <functional>

namespace platform {

// The file descriptors that reader threads hold, counted for the whole process. A reader takes
// one before it opens a file or a folder and gives it back when it closes it. So the readers
// together never take the descriptors the rest of the program needs, and when descriptors run
// short a reader waits for another one to give one back, instead of taking a readable file for
// an unreadable one.
namespace readerDescriptors {

// Descriptors the rest of the program keeps for itself; the window's threads and files need
// more than the command line's.
void SetReserve(std::size_t descriptors);
// Shares what is free now, less the reserve, among the readers (at least one). Called when a
// reader pool starts.
void Plan();
// Takes one when the readers hold fewer than their share.
bool TryTake();
void Give();
// An open failed for lack of descriptors though one was taken: the share shrinks to what the
// readers hold now. True when another reader holds one it will give back.
bool Shortage();
// Waits until a reader gives one back, or milliseconds have passed.
void WaitForGive(int milliseconds);
// Runs open (0 or an error number) with a descriptor taken for it, again and again while
// descriptors run short and another reader holds one, for two seconds when none does. release,
// when given, closes descriptors of the caller that nothing uses; true when it closed one.
// Returns 0 with the descriptor taken, to give back once what was opened is closed; otherwise
// the last error (ECANCELED when stop said so) with nothing taken.
int OpenAsReader(const std::function<int()>& open, const std::function<bool()>& stop,
                 const std::function<bool()>& release = {});
// The readers' share and what they hold now.
std::size_t Share();
std::size_t Held();

} // namespace readerDescriptors

} // namespace platform
