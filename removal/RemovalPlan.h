#pragma once

#include "removal/RemovalResult.h"
#include "search/SearchState.h"

#include <string>
#include <vector>

// One listed entry of the grid with what stays of its group.
struct PlannedRemoval : PlannedFile {
    TFile* entry = nullptr;
    // The grid row of its group; 0 when no row on view holds it.
    int group = 0;
};

// The listed entries in their order, each with what stays of its group (the grid rows 1 to
// lastRow, the files not listed and not already removed).
std::vector<PlannedRemoval> PlanRemovals(const SearchState& state,
                                         const std::vector<TFile*>& listed, int lastRow);

// How many groups lose every copy with this list.
int GroupsLosingEveryCopy(const std::vector<PlannedRemoval>& plan);
