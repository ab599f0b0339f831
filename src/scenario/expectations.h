#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velmor::scenario {

// Checks an `expect TAG KEY=VALUE...` line (its words, `expect` first)
// against a snapshot. Returns nothing when a line with that tag holds every
// pair, else what to report: the expectation and the snapshot line with
// that tag, or that the snapshot has none.
std::optional<std::string> unmetExpectation(const std::vector<std::string>& words,
                                            const std::vector<std::string>& snapshot);

}  // namespace velmor::scenario
