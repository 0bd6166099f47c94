#include "faultplan.h"

#include <mutex>

namespace cadhost {
namespace {

struct Plan {
    std::mutex mutex;
    std::vector<FileFault> faults;
    std::vector<unsigned> seen;
};

Plan& plan()
{
    static Plan instance;
    return instance;
}

} // namespace

void setFileFaults(std::vector<FileFault> faults)
{
    Plan& current = plan();
    const std::lock_guard lock(current.mutex);
    current.seen.assign(faults.size(), 0);
    current.faults = std::move(faults);
}

std::optional<PlannedFault> takeFileFault(FileAccess access, const std::filesystem::path& path)
{
    Plan& current = plan();
    const std::lock_guard lock(current.mutex);
    std::optional<PlannedFault> planned;
    for (std::size_t i = 0; i < current.faults.size(); ++i) {
        const FileFault& fault = current.faults[i];
        if (fault.access != access || path.native().find(fault.pathContains) == std::string::npos)
            continue;
        const unsigned index = current.seen[i]++;
        if (!planned && index >= fault.skip && index - fault.skip < fault.times)
            planned = PlannedFault{fault.errorNumber, fault.bytesAccepted};
    }
    return planned;
}

} // namespace cadhost
