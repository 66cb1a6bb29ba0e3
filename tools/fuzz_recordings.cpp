// Mutated recordings through the driver's replay: each must end in "replay
// matches", "replay parted at ..." or one "line 1: FILE: line N: ..."
// refusal; nothing else, and never an exception from inside the runtime.
#include "tools/fuzz_recordings.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>

#include "tools/script.h"

namespace zandovik::tools {

namespace {

const std::vector<std::string> kRecordingLines = {
    "show 0.5",
    "seed 7",
    "seed 4294967295",
    "advance 25.5",
    "advance 1000",
    "advance 5000.25",
    "key_down 30 39 0",
    "key_up 31 39 0",
    "key_down 40 80 0",
    "key_down 41 112 7",
    "key_down 42 37 65535",
    "click 50 pause",
    "click 60 gameover",
    "click 70 nextlevel",
    "check 5000.25 0123456789abcdef",
    "end 6000 fedcba9876543210",
    "board Gate",
    "row 00000000999911110000",
    "row 11111111111111111111",
    "advance 1e300",
    "advance -0",
    "show nan",
    "check 1 -1",
    "key_down 1 99999 0",
    "switch_boards 80",
    "speed 90 70",
    "speed 0 85",
    "speed 95 50",
};

std::string mutate_line(std::mt19937& g, std::string s) {
  if (s.empty()) return "x";
  switch (g() % 5) {
    case 0:
      s.erase(g() % s.size(), 1);
      break;
    case 1:
      s.insert(g() % (s.size() + 1), 1, static_cast<char>(g() % 256));
      break;
    case 2:
      s[g() % s.size()] = static_cast<char>(g() % 256);
      break;
    case 3:
      s += " " + std::to_string(static_cast<int>(g() % 100000) - 50000);
      break;
    default:
      s = s.substr(0, g() % s.size());
  }
  return s;
}

}  // namespace

bool fuzz_recordings(std::mt19937& g, long count, long& refused) {
  const std::string path = "/tmp/zandovik-fuzz-" + std::to_string(::getpid()) + ".rec";
  const std::regex outcome(
      R"(^replay (matches|matches \(no closing line: the game was killed\)|parted at line [0-9]+ \([^)]*\): the checksum differs)\n$)");
  const std::regex refusal("^line 1: [^\\n]*" + std::string("zandovik-fuzz-") + "[^\\n]+\\n$");
  for (long i = 0; i < count; ++i) {
    std::ostringstream rec;
    rec << "zandovik-replay " << (g() % 30 ? 3 : 1 + g() % 2) << '\n';
    rec << (g() % 30 ? "version 1.0.0" : "version 0.1") << '\n';
    if (g() % 6 == 0) rec << "board B\nrow 00000000111100000000\n";
    if (g() % 10) rec << "show 0.5\nseed " << g() << '\n';
    const int n = static_cast<int>(g() % 40);
    for (int k = 0; k < n; ++k) {
      std::string line = kRecordingLines[g() % kRecordingLines.size()];
      if (g() % 8 == 0) line = mutate_line(g, line);
      rec << line << (g() % 40 ? "\n" : g() % 2 ? "\r\n" : "");
    }
    { std::ofstream(path, std::ios::binary | std::ios::trunc) << rec.str(); }
    std::istringstream in("replay " + path + "\n");
    std::ostringstream out, err;
    int status = 0;
    try {
      status = run_script(in, out, err);
    } catch (...) {
      status = -1;
    }
    const bool ok =
        (status == 0 && std::regex_match(out.str(), outcome) && err.str().empty()) ||
        (status == 2 && std::regex_match(err.str(), refusal) && err.str().find("line 1: \"") != 0);
    if (!ok) {
      std::printf("FINDING: a recording gave status %d, out '%s', err '%s'\n--- recording\n%s",
                  status, out.str().c_str(), err.str().c_str(), rec.str().c_str());
      std::remove(path.c_str());
      return false;
    }
    refused += status == 2;
  }
  std::remove(path.c_str());
  return true;
}

}  // namespace zandovik::tools
