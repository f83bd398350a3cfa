// libFuzzer entry: the first byte splits the input into a mask and a name. Any input must end
// in a match result or an AppError, within bounded work.
#include "platform/Errors.h"
#include "results/FileMask.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view all(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t split = std::min<std::size_t>(data[0], all.size());
    const std::string_view mask = all.substr(0, split), name = all.substr(split);
    try {
        FileMask compiled(mask);
        std::uint64_t steps = 0;
        compiled.Matches(name, steps);
        if (steps > (name.size() + 1) * (mask.size() + 2))
            std::abort();
    } catch (const AppError&) {
    }
    return 0;
}
