#pragma once

#include "cli/Groups.h"

#include <cstdio>
#include <string>
#include <vector>

enum class Format { Lines, Null, Json };

// Each group's paths: one per line and an empty line between groups, or each ended by a NUL and
// an empty item between groups, or a JSON array of groups, each an array of objects with the
// path and what a later check of the file needs (device, inode, size, times).
void PrintGroups(const GroupSource& groups, Format format, std::FILE* out);

// The groups, the files that would go (all but the kept ones of each) and the bytes they take.
void PrintSummary(const GroupSource& groups, KeepRule rule, bool json, std::FILE* out);

// Reads the groups of a report that --json wrote. False with error set when it is not one.
bool ReadReport(const std::string& file, std::vector<Group>& groups, std::string& error);
