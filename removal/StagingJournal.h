#pragma once

#include <string>

// Files taken to a hidden name beside their own while they are checked (to be erased, or
// copied to another file system) are noted first, one list per process in the user's state
// folder, so that a run killed meanwhile leaves nothing hidden for good: the next removal of any
// Kelvaro run puts them back. The list goes when its process ends normally.
namespace staging {

// Notes that the file at original is about to become staged (both absolute paths).
void Note(const std::string& staged, const std::string& original);

// Puts back what runs that are gone left staged; once per process.
void RecoverOnce();

// The same, for the lists in folder, whatever was done before (for tests).
void RecoverFrom(const std::string& folder);

} // namespace staging
