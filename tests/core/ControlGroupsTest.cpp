// The processors Linux control groups allow, read from /proc and /sys texts in memory.
#include "platform/ControlGroups.h"

#include <gtest/gtest.h>

#include <map>

namespace zarno {
namespace {

const std::string hybridMounts =
    "32 31 0:29 / /sys/fs/cgroup/cpu rw,relatime - cgroup cgroup rw,cpu\n"
    "33 31 0:30 / /sys/fs/cgroup/cpuacct rw,relatime - cgroup cgroup rw,cpuacct\n"
    "41 31 0:38 / /sys/fs/cgroup/unified rw,relatime - cgroup2 cgroup2 rw\n";
const std::string unifiedMount =
    "29 23 0:26 / /sys/fs/cgroup rw,nosuid,nodev,noexec,relatime shared:4 - cgroup2 cgroup2 rw\n";

TEST(ControlGroups, TheTightestQuotaAboveTheProcessCounts) {
    const struct {
        const char* name;
        std::map<std::string, std::string> files;
        std::optional<unsigned> allowed;
    } cases[] = {
        {"version 1 without a quota",
         {{"/proc/self/mountinfo", hybridMounts},
          {"/proc/self/cgroup", "2:cpuacct:/\n1:cpu:/\n0::/\n"},
          {"/sys/fs/cgroup/cpu/cpu.cfs_quota_us", "-1\n"},
          {"/sys/fs/cgroup/cpu/cpu.cfs_period_us", "100000\n"}},
         std::nullopt},
        {"version 1, a quota of one and a half rounds up",
         {{"/proc/self/mountinfo", hybridMounts},
          {"/proc/self/cgroup", "1:cpu:/batch\n0::/\n"},
          {"/sys/fs/cgroup/cpu/batch/cpu.cfs_quota_us", "150000\n"},
          {"/sys/fs/cgroup/cpu/batch/cpu.cfs_period_us", "100000\n"}},
         2},
        {"version 2, a parent's quota below an unlimited child",
         {{"/proc/self/mountinfo", unifiedMount},
          {"/proc/self/cgroup", "0::/user.slice/app.scope\n"},
          {"/sys/fs/cgroup/user.slice/app.scope/cpu.max", "max 100000\n"},
          {"/sys/fs/cgroup/user.slice/cpu.max", "50000 100000\n"},
          {"/sys/fs/cgroup/cpu.max", "max 100000\n"}},
         1},
        {"version 2, a container's group mounted as the top",
         {{"/proc/self/mountinfo",
           "29 23 0:26 /docker/abc /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n"},
          {"/proc/self/cgroup", "0::/docker/abc\n"},
          {"/sys/fs/cgroup/cpu.max", "300000 100000\n"}},
         3},
        {"both hierarchies: the tighter wins",
         {{"/proc/self/mountinfo", hybridMounts},
          {"/proc/self/cgroup", "1:cpu,cpuacct:/\n0::/\n"},
          {"/sys/fs/cgroup/cpu/cpu.cfs_quota_us", "400000\n"},
          {"/sys/fs/cgroup/cpu/cpu.cfs_period_us", "100000\n"},
          {"/sys/fs/cgroup/unified/cpu.max", "200000 100000\n"}},
         2},
        {"nothing readable", {}, std::nullopt},
        {"garbage",
         {{"/proc/self/mountinfo", "x - y\n\n-"}, {"/proc/self/cgroup", "::\n:"}},
         std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto allowed = processorsAllowedByControlGroups(
            [&c](const std::string& path) -> std::optional<std::string> {
                const auto file = c.files.find(path);
                return file == c.files.end() ? std::nullopt : std::optional(file->second);
            });
        EXPECT_EQ(allowed, c.allowed);
    }
}

}  // namespace
}  // namespace zarno
