#include "platform/ControlGroups.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <vector>

namespace zarno {
namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

bool listHas(std::string_view list, std::string_view item) {
    const auto items = split(list, ',');
    return std::find(items.begin(), items.end(), item) != items.end();
}

std::optional<long long> numberIn(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.remove_suffix(1);
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<unsigned> processorsOf(std::optional<long long> quota,
                                     std::optional<long long> period) {
    if (!quota || !period || *quota <= 0 || *period <= 0) {
        return std::nullopt;  // -1 (version 1) or unreadable: no limit
    }
    return static_cast<unsigned>(std::max(1LL, (*quota + *period - 1) / *period));
}

// cpu.max reads "max 100000" without a limit, "150000 100000" with one.
std::optional<unsigned> processorsOfCpuMax(std::string_view text) {
    const auto fields = split(text, ' ');
    if (fields.size() != 2 || fields[0] == "max") {
        return std::nullopt;
    }
    return processorsOf(numberIn(fields[0]), numberIn(fields[1]));
}

struct Hierarchy {
    bool unified;
    std::string top;    // where it is mounted
    std::string group;  // this process's group below that
};

// A mountinfo line: "id parent dev root mountpoint options [tags] - type source superoptions".
// The group that /proc/self/cgroup names is relative to the hierarchy's root, and the mount
// shows that hierarchy from `root` down.
std::vector<Hierarchy> hierarchiesOf(std::string_view mountinfo, std::string_view cgroup) {
    std::vector<Hierarchy> found;
    for (const std::string_view mount : split(mountinfo, '\n')) {
        const std::size_t dash = mount.find(" - ");
        if (dash == std::string_view::npos) {
            continue;
        }
        const auto fields = split(mount.substr(0, dash), ' ');
        const auto tail = split(mount.substr(dash + 3), ' ');
        if (fields.size() < 5 || tail.size() < 3) {
            continue;
        }
        const bool unified = tail[0] == "cgroup2";
        if (!unified && !(tail[0] == "cgroup" && listHas(tail[2], "cpu"))) {
            continue;
        }
        for (const std::string_view line : split(cgroup, '\n')) {
            const auto entry = split(line, ':');
            if (entry.size() != 3 || (unified ? !entry[1].empty() : !listHas(entry[1], "cpu"))) {
                continue;
            }
            std::string_view group = entry[2];
            const std::string_view root = fields[3];
            if (root != "/" && group.substr(0, root.size()) == root) {
                group.remove_prefix(root.size());
            }
            found.push_back({unified, std::string(fields[4]), std::string(group)});
        }
    }
    return found;
}

}  // namespace

std::optional<unsigned> processorsAllowedByControlGroups(const ReadFile& read) {
    const auto mountinfo = read("/proc/self/mountinfo");
    const auto cgroup = read("/proc/self/cgroup");
    if (!mountinfo || !cgroup) {
        return std::nullopt;
    }
    std::optional<unsigned> tightest;
    const auto consider = [&tightest](std::optional<unsigned> allowed) {
        if (allowed && (!tightest || *allowed < *tightest)) {
            tightest = allowed;
        }
    };
    for (const Hierarchy& h : hierarchiesOf(*mountinfo, *cgroup)) {
        std::string group = h.group;
        for (;;) {
            const std::string folder = h.top + (group == "/" ? "" : group);
            if (h.unified) {
                const auto cpuMax = read(folder + "/cpu.max");
                consider(cpuMax ? processorsOfCpuMax(*cpuMax) : std::nullopt);
            } else {
                const auto quota = read(folder + "/cpu.cfs_quota_us");
                const auto period = read(folder + "/cpu.cfs_period_us");
                consider(processorsOf(quota ? numberIn(*quota) : std::nullopt,
                                      period ? numberIn(*period) : std::nullopt));
            }
            const std::size_t slash = group.find_last_of('/');
            if (group.empty() || group == "/" || slash == std::string::npos) {
                break;
            }
            group = slash == 0 ? "/" : group.substr(0, slash);
        }
    }
    return tightest;
}

}  // namespace zarno
