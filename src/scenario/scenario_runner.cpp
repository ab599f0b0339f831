#include "scenario/scenario_runner.h"

#include <fstream>
#include <ostream>
#include <string>

#include "scenario/commands.h"
#include "scenario/scenario_text.h"

namespace velmor::scenario {

Verdict runScenarioFile(const std::filesystem::path& file, std::ostream& out) {
    std::ifstream in(file);
    if (!in) {
        out << file.string() << ": cannot be read\n";
        return Verdict::Unreadable;
    }
    Session session(file.string(), out);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // Blank lines and comments are skipped whatever they hold.
        const auto first = line.find_first_not_of(' ');
        if (first == std::string::npos || line[first] == '#') continue;
        const auto words = splitWords(line);
        if (!words || !session.run(number, *words)) {
            out << file.string() << ":" << number << ": cannot understand: " << line << '\n';
            return Verdict::Unreadable;
        }
    }
    return session.failures() == 0 ? Verdict::Passed : Verdict::Failed;
}

}  // namespace velmor::scenario
