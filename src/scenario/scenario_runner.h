#pragma once

#include <filesystem>
#include <iosfwd>

namespace velmor::scenario {

enum class Verdict { Passed, Failed, Unreadable };

// Runs one scenario file on the core alone against a scripted machine and
// reports every failed expectation, or the first line it cannot understand,
// on `out`.
Verdict runScenarioFile(const std::filesystem::path& file, std::ostream& out);

}  // namespace velmor::scenario
