#pragma once
// zandovik-script: drives the game headless, one command per line, on the
// same event runtime as the window. Time is virtual, so runs repeat exactly.
#include <cstdint>
#include <iosfwd>
#include <string>

namespace zandovik::tools {

// Runs the commands of `in`; `get` and `dump` print one JSON value per line
// on `out`. Returns 0 at the end of the input, or 2 after printing
// "line N: <what is wrong>" on `err` for the first bad line.
// Returns 1 when the output cannot be written or the input read.
int run_script(std::istream& in, std::ostream& out, std::ostream& err);

// One line per command with what it takes, for --help.
std::string command_help();

}  // namespace zandovik::tools
