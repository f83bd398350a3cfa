#include "removal/RemovalResult.h"

#include "platform/Paths.h"

std::string StayedReason(const RemovalResult& result) {
    std::string why;
    switch (result.status) {
    case RemovalStatus::Removed:
    case RemovalStatus::Gone:
        return {};
    case RemovalStatus::Changed:
        why = "it changed since the search";
        break;
    case RemovalStatus::KeptCopyLost:
        why = "its kept copy changed or is gone";
        break;
    case RemovalStatus::SameFileAsKept:
        why = "it is now the same file as its kept copy";
        break;
    case RemovalStatus::NotAFile:
        why = "it is no longer a regular file";
        break;
    case RemovalStatus::Failed:
        why = result.error;
        break;
    case RemovalStatus::Cancelled:
        why = "cancelled";
        break;
    }
    if (!result.putBackAs.empty())
        why +=
            "; its name was taken meanwhile, so it is now " + platform::BaseName(result.putBackAs);
    return why;
}
