#include "cli/Filters.h"

#include <fnmatch.h>

bool ScanFilter::ExcludesName(const std::string& name) const {
    for (const std::string& pattern : exclude)
        if (::fnmatch(pattern.c_str(), name.c_str(), 0) == 0)
            return true;
    return false;
}

bool ScanFilter::ExcludesFolder(const std::string& start, const std::string& folder) const {
    if (exclude.empty() || folder.size() <= start.size() || folder.compare(0, start.size(), start))
        return false;
    std::size_t at = start.size();
    while (at < folder.size()) {
        while (at < folder.size() && folder[at] == '/')
            ++at;
        const std::size_t end = std::min(folder.find('/', at), folder.size());
        if (end > at && ExcludesName(folder.substr(at, end - at)))
            return true;
        at = end;
    }
    return false;
}

bool ScanFilter::TakesFile(const std::string& name, std::int64_t size) const {
    return size >= minSize && (maxSize < 0 || size <= maxSize) && !ExcludesName(name);
}

std::int64_t ParseSize(const std::string& text) {
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9')
        ++digits;
    if (digits == 0 || digits > 15)
        return -1;
    int shift = 0;
    const std::string unit = text.substr(digits);
    if (unit == "k" || unit == "K")
        shift = 10;
    else if (unit == "M")
        shift = 20;
    else if (unit == "G")
        shift = 30;
    else if (!unit.empty())
        return -1;
    const std::int64_t n = std::stoll(text.substr(0, digits));
    if (n > (INT64_MAX >> shift))
        return -1;
    return n << shift;
}
