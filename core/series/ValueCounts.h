#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

namespace zarno {

// How many had each whole value, for values that are mostly small: the committing thread counts a
// player at every refresh, and a step into an array costs it far less than a walk down a tree.
// Values from 0 below `denseValues` are counted in an array, the rest in a map. Read back in
// ascending order of value, a value without a count left out.
class ValueCounts {
public:
    static constexpr std::int64_t denseValues = 8192;

    void add(std::int64_t value, std::int64_t count = 1) {
        if (value < 0 || value >= denseValues) {
            sparse_[value] += count;
            return;
        }
        const auto at = static_cast<std::size_t>(value);
        if (at >= dense_.size()) {
            dense_.resize(std::min(std::max(at + 1, 2 * dense_.size()),
                                   static_cast<std::size_t>(denseValues)));
        }
        dense_[at] += count;
    }

    std::int64_t count(std::int64_t value) const {
        if (value >= 0 && value < static_cast<std::int64_t>(dense_.size())) {
            return dense_[static_cast<std::size_t>(value)];
        }
        const auto found = sparse_.find(value);
        return found != sparse_.end() ? found->second : 0;
    }
    bool contains(std::int64_t value) const { return count(value) != 0; }

    // Calls `visit(value, count)` for each value counted, the smallest first, for as long as it
    // returns true; false if it was stopped.
    template <class Visit>
    bool visit(Visit visit) const {
        auto large = sparse_.begin();
        for (; large != sparse_.end() && large->first < 0; ++large) {
            if (large->second != 0 && !visit(large->first, large->second)) {
                return false;
            }
        }
        for (std::size_t value = 0; value < dense_.size(); ++value) {
            if (dense_[value] != 0 && !visit(static_cast<std::int64_t>(value), dense_[value])) {
                return false;
            }
        }
        for (; large != sparse_.end(); ++large) {
            if (large->second != 0 && !visit(large->first, large->second)) {
                return false;
            }
        }
        return true;
    }

    std::map<std::int64_t, std::int64_t> toMap() const {
        std::map<std::int64_t, std::int64_t> counts;
        visit([&counts](std::int64_t value, std::int64_t count) {
            counts.emplace_hint(counts.end(), value, count);
            return true;
        });
        return counts;
    }

    bool operator==(const ValueCounts& other) const { return toMap() == other.toMap(); }

private:
    std::vector<std::int64_t> dense_;  // grown to the largest small value counted
    std::map<std::int64_t, std::int64_t> sparse_;
};

}  // namespace zarno
