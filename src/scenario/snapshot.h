#pragma once

#include <string>
#include <vector>

#include "options/fm_options.h"
#include "shell/fm_about.h"
#include "shell/fm_main.h"
#include "shell/pending_marks.h"
#include "test_support/scripted_platform.h"

namespace velmor::scenario {

// One line per control model and piece of state: its tag, then KEY=VALUE
// pairs separated by single spaces. A window's lines appear only while it
// is open.
std::vector<std::string> snapshot(const FmMain* main, const FmOptions* options,
                                  const FmAbout* about,
                                  const test_support::ScriptedPlatform& platform,
                                  const PendingMarks& pending);

}  // namespace velmor::scenario
