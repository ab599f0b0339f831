#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "options/fm_options.h"
#include "shell/fm_about.h"
#include "shell/fm_main.h"
#include "shell/pending_marks.h"
#include "test_support/scripted_platform.h"

namespace velmor::scenario {

using Words = std::vector<std::string>;

// One run of a scenario file: the scripted machine, the program's windows
// and the count of failed expectations. Each command line goes through one
// table that names the command, the words it takes and its handler.
class Session {
public:
    Session(std::string file, std::ostream& out);

    // Runs one line; false when the line is not understood.
    bool run(int lineNumber, const Words& words);
    int failures() const { return failures_; }

    struct Command;

private:
    static const std::vector<Command>& commands();

    // Before `start`: the machine around the program.
    bool locale(const Words& words);
    bool settingsLine(const Words& words);
    bool readOnly(const Words& words);
    bool installed(const Words& words);
    bool unplaced(const Words& words);
    bool screen(const Words& words);
    bool random(const Words& words);
    bool start(const Words& words);
    // At any time.
    bool dump(const Words& words);
    bool expect(const Words& words);
    bool clipboard(const Words& words);
    // The main window.
    bool type(const Words& words);
    bool key(const Words& words);
    bool select(const Words& words);
    bool edit(const Words& words);
    bool press(const Words& words);
    bool click(const Words& words);
    bool tick(const Words& words);
    bool menu(const Words& words);
    bool close(const Words& words);
    bool timer(const Words& words);
    // The modal boxes.
    bool dialog(const Words& words);
    bool dialogPick(const Words& words);
    bool dialogType(const Words& words);
    bool dialogFocus(const Words& words);
    bool dialogButton(const Words& words);
    bool aboutBox(const Words& words);

    void deliverKey(const Key& key);
    void openOptions();
    bool optionsOpen() const { return options_ && options_->isOpen(); }
    bool aboutOpen() const { return about_ && about_->isOpen(); }

    std::string file_;
    std::ostream& out_;
    int lineNumber_ = 0;
    test_support::ScriptedPlatform platform_;
    PendingMarks pending_;
    std::unique_ptr<FmMain> main_;
    std::unique_ptr<FmOptions> options_;  // made at the first opening, kept for the run
    std::unique_ptr<FmAbout> about_;
    int failures_ = 0;
};

}  // namespace velmor::scenario
