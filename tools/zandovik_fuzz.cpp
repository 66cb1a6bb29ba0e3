// zandovik-fuzz: feeds the script driver mutated scripts, valid and not.
// Every script must end with status 0, or with status 2 and one
// "line N: ..." message; anything else is a finding. Then the board-file
// reader gets mutated board files: a set that can be played and written
// back the same, or one "FILE: line N: ..." refusal.
//   zandovik-fuzz [--scripts N] [--boards N] [--seed S] [--seconds T]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "game/boards.h"
#include "tools/script.h"

namespace {

const std::vector<std::string> kLines = {
    "show",
    "replay /dev/null",
    "replay /nonexistent/game.rec",
    "seed 7",
    "rnd 0.5 0.25 0",
    "rnd 0.999999",
    "keydown 39",
    "keydown 37 1",
    "keyup 39",
    "keydown 80",
    "keydown 112 7",
    "keydown 113",
    "click pause",
    "click nextlevel",
    "click gameover",
    "tick Timer1",
    "tick Timer2",
    "tick Timer3",
    "run 25",
    "run 1000",
    "run 0",
    "set ball.Top 7150",
    "set ball.Left 120",
    "set stepx 55.5",
    "set stepy -40",
    "set cells(10,12) 9",
    "set cells(0,0) 3",
    "set levels(1,1) \"1\"",
    "set pattern 4",
    "set pattern 0",
    "set lives 0",
    "set lives 6",
    "set bricksleft 1",
    "set paddledir 1",
    "set Timer2.Interval 0",
    "set Timer1.Interval 25",
    "set brick(41).Caption \"x\"",
    "set brick(7).BackColor [1,2,3]",
    "set life(1).Visible false",
    "set caption \"hi\"",
    "get points",
    "get cells(5,3)",
    "get levels(2,4)",
    "get brick(500).Top",
    "get caption",
    "get time_ms",
    "get draws",
    "get stalls",
    "get logostepy(2)",
    "get ball.Kind",
    "dump",
    "# comment",
    "",
    "get cells",
    "set speed 1e30",
    "set jitterx -5",
    "set hiscore 2147483647",
    "set points 9223372036854775807",
    "set logostepx(2) 1e300",
};

// Before show, now and then: boards to play, or not.
const std::vector<std::string> kBoardsCommands = {
    "boards extra",
    "boards /dev/null",
    "boards /nonexistent/x.boards",
};

const std::vector<std::string> kTokens = {
    "show",
    "boards",
    "set",
    "get",
    "run",
    "tick",
    "click",
    "keydown",
    "keyup",
    "rnd",
    "seed",
    "dump",
    "ball.Left",
    "brick(0).Caption",
    "brick(-1).Top",
    "brick(99999999999).Top",
    "life(7)",
    "cells(31,36)",
    "cells(-1,0)",
    "cells(1)",
    "levels(101,0)",
    "logoball(3).Left",
    "Timer4",
    "nan",
    "NaN",
    "inf",
    "-inf",
    "1e309",
    "-0",
    "0x10",
    "\"",
    "\"\\u0000\"",
    "[",
    "]",
    "{}",
    "[256,0,0]",
    "true",
    "null",
    "(",
    ")",
    ",",
    ".",
    "#",
    "\t",
    "99999999999999999999",
    "-32769",
    "65536",
    "86400000",
    "1.5",
    "\xff\xfe",
    "é",
    "pause",
    "gameover",
    "nextlevel",
};

std::string mutate(std::mt19937& g, std::string line) {
  auto pick = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(g);
  };
  switch (pick(7)) {
    case 0:  // replace a word
      if (!line.empty()) {
        auto at = line.find(' ');
        line =
            (at == std::string::npos ? "" : line.substr(0, at + 1)) + kTokens[pick(kTokens.size())];
      }
      break;
    case 1:  // append a word
      line += " " + kTokens[pick(kTokens.size())];
      break;
    case 2:  // flip a character
      if (!line.empty()) line[pick(line.size())] = static_cast<char>(pick(256));
      break;
    case 3:  // cut it short
      if (!line.empty()) line.resize(pick(line.size()));
      break;
    case 4:  // words in any order
      line = kTokens[pick(kTokens.size())] + " " + kTokens[pick(kTokens.size())] + " " +
             kTokens[pick(kTokens.size())];
      break;
    case 5:  // a very long line
      line += std::string(pick(5000), "x(,)"[pick(4)]);
      break;
    default:
      break;  // keep the valid line
  }
  return line;
}

// Board files: lines valid and not, the pieces mutated boards are made of.
const std::vector<std::string> kBoardLines = {
    "zandovik-boards 1",
    "zandovik-boards 2",
    "board",
    "board The Gate",
    "board \t Łódź  ",
    "board 0123456789012345678901234567890123456789",
    "board 01234567890123456789012345678901234567890",
    "board \x01",
    "boards",
    "00000000111100000000",
    "11227988888888972211",
    "99999999999999999999",
    "00000000000000000000",
    "0000000011110000000",
    "000000001111000000000",
    "0000000011x100000000",
    "  12345678912345678 \r",
    "# a comment",
    "",
    "\xff\xfe",
    "\xe2\x82",
    "\xed\xa0\x80",
    "é",
};

std::string board_text(std::mt19937& g) {
  auto pick = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(g);
  };
  std::vector<std::string> lines = {"zandovik-boards 1"};
  const std::size_t boards = 1 + pick(g() % 20 ? 4 : 110);
  for (std::size_t b = 0; b < boards; ++b) {
    lines.push_back(g() % 2 ? "board" : "board B" + std::to_string(b));
    for (std::size_t r = 1 + pick(g() % 20 ? 10 : 12); r > 0; --r)
      lines.push_back(kBoardLines[9 + pick(4)]);
  }
  for (std::size_t m = pick(4); m > 0; --m) {
    const std::size_t at = pick(lines.size());
    switch (pick(5)) {
      case 0:
        lines[at] = kBoardLines[pick(kBoardLines.size())];
        break;
      case 1:
        lines.insert(lines.begin() + static_cast<long>(at), kBoardLines[pick(kBoardLines.size())]);
        break;
      case 2:
        lines.erase(lines.begin() + static_cast<long>(at));
        break;
      case 3:
        if (!lines[at].empty()) lines[at][pick(lines[at].size())] = static_cast<char>(pick(256));
        break;
      default:
        lines[at].resize(pick(lines[at].size() + 1));
        break;
    }
    if (lines.empty()) break;
  }
  std::string text;
  for (const auto& l : lines) text += l + (g() % 30 ? "\n" : "\r\n");
  if (g() % 10 == 0 && !text.empty()) text.pop_back();
  return text;
}

// The reader either gives a set that plays and writes back the same, or
// refuses with one message naming a line; nothing else.
bool fuzz_boards(std::mt19937& g, long count, long& refused) {
  const std::regex refusal(R"(^t\.boards: line [0-9]+: [^\n]+$)");
  for (long i = 0; i < count; ++i) {
    const std::string text = board_text(g);
    std::string finding;
    try {
      const auto set = zandovik::game::parse_boards(text, "t.boards");
      if (auto why = zandovik::game::set_problem(set)) finding = "a set that cannot play: " + *why;
      if (zandovik::game::parse_boards(zandovik::game::format_boards(set), "t.boards") != set)
        finding = "the set does not write back the same";
    } catch (const zandovik::game::BoardError& e) {
      ++refused;
      if (!std::regex_match(std::string(e.what()), refusal))
        finding = std::string("a refusal without its line: ") + e.what();
    } catch (const std::exception& e) {
      finding = std::string("an exception that is not a refusal: ") + e.what();
    }
    if (!finding.empty()) {
      std::printf("FINDING: %s\n--- board file\n%s", finding.c_str(), text.c_str());
      return false;
    }
  }
  return true;
}

constexpr const char* kUsage =
    "usage: zandovik-fuzz [--scripts N] [--boards N] [--seed S] [--seconds T]";

}  // namespace

int main(int argc, char** argv) {
  long scripts = 20000, boards = 20000;
  unsigned seed = 1;
  double seconds = 0;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--scripts")) {
      scripts = std::atol(argv[i + 1]);
    } else if (!std::strcmp(argv[i], "--boards")) {
      boards = std::atol(argv[i + 1]);
    } else if (!std::strcmp(argv[i], "--seed")) {
      seed = static_cast<unsigned>(std::atol(argv[i + 1]));
    } else if (!std::strcmp(argv[i], "--seconds")) {
      seconds = std::atof(argv[i + 1]);
    } else {
      std::fprintf(stderr, "%s\n", kUsage);
      return 2;
    }
  }
  if (argc % 2 == 0) {
    std::fprintf(stderr, "%s\n", kUsage);
    return 2;
  }
  std::mt19937 g(seed);
  const std::regex error_line(R"(^line [0-9]+: [^\n]+\n$)");
  using clock = std::chrono::steady_clock;
  const auto start = clock::now();
  long ran = 0, failed_lines = 0, lines = 0;
  double slowest = 0;
  for (; ran < scripts; ++ran) {
    if (seconds > 0 && std::chrono::duration<double>(clock::now() - start).count() > seconds) break;
    std::ostringstream script;
    const int n = std::uniform_int_distribution<int>(1, 40)(g);
    if (g() % 8 == 0) script << kBoardsCommands[g() % kBoardsCommands.size()] << '\n';
    if (g() % 4) script << "show\n";  // most scripts get past start-up
    for (int i = 0; i < n; ++i) {
      std::string line = kLines[g() % kLines.size()];
      if (g() % 10 == 0) line = mutate(g, line);
      script << line << (g() % 50 ? "\n" : "\r\n");
    }
    lines += n;
    std::istringstream in(script.str());
    std::ostringstream out, err;
    const auto t0 = clock::now();
    int status;
    try {
      status = zandovik::tools::run_script(in, out, err);
    } catch (...) {
      std::printf("FINDING: an exception escaped the driver\n--- script\n%s", script.str().c_str());
      return 1;
    }
    slowest = std::max(slowest, std::chrono::duration<double>(clock::now() - t0).count());
    const bool well_formed = (status == 0 && err.str().empty()) ||
                             (status == 2 && std::regex_match(err.str(), error_line));
    if (!well_formed) {
      std::printf("FINDING: status %d, stderr '%s'\n--- script\n%s", status, err.str().c_str(),
                  script.str().c_str());
      return 1;
    }
    failed_lines += status == 2;
  }
  const double took = std::chrono::duration<double>(clock::now() - start).count();
  std::printf(
      "fuzz: %ld scripts (%ld lines) in %.1f s, %ld ended on a bad line with status 2, the rest "
      "with status 0; slowest script %.3f s; no finding\n",
      ran, lines, took, failed_lines, slowest);
  long refused = 0;
  const auto boards_start = clock::now();
  if (!fuzz_boards(g, boards, refused)) return 1;
  std::printf(
      "fuzz: %ld board files in %.1f s, %ld refused with their line, the rest read; no "
      "finding\n",
      boards, std::chrono::duration<double>(clock::now() - boards_start).count(), refused);
  return 0;
}
