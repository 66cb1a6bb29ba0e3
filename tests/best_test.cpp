// Best-games tables: what is read, what is refused (and on which line), the
// ranking, and an entry proved by replaying its recording.
#include "game/best.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tests/scratch.h"

namespace zandovik::testing {
namespace {

using game::BestEntry;
using game::BestError;
using game::BestTable;
namespace fs = std::filesystem;

const std::string kHead = "zandovik-best 1\n";
const std::string kLine = "120\t2\t2026-12-09T21:40:05+01:00\tAda Lovelace\tbest-1.rec\n";

std::string refusal(const std::string& text) {
  try {
    game::parse_best(text, "t.best");
  } catch (const BestError& e) {
    return e.what();
  }
  return "";
}

BestEntry game_of(std::int64_t score, const std::string& recording) {
  return {score, 1, "2026-12-09T21:40:05Z", "Ada", recording};
}

TEST(BestTable, ReadsWhatItWritesInRankOrder) {
  const BestTable t = game::parse_best(kHead + "# kept by the game\n\n" + kLine +
                                           "300\t4\t2026-12-10T08:00:00Z\tBjörn\tbest-2.rec\r\n" +
                                           "120\t1\t2026-12-11T08:00:00-05:30\tCy\tbest-3.rec\n",
                                       "t.best");
  ASSERT_EQ(t.entries.size(), 3u);
  EXPECT_EQ(t.entries[0].name, "Björn");
  EXPECT_EQ(t.entries[1].recording, "best-1.rec");  // of two equal scores, the first listed
  EXPECT_EQ(t.entries[2].when, "2026-12-11T08:00:00-05:30");
  EXPECT_EQ(game::parse_best(game::format_best(t), "again"), t);
}

TEST(BestTable, RefusalsNameTheFileTheLineAndWhatIsWrong) {
  const std::string eleven = [] {
    std::string s = kHead;
    for (int i = 1; i <= 11; ++i)
      s += "5\t1\t2026-12-09T21:40:05Z\tA\tr" + std::to_string(i) + ".rec\n";
    return s;
  }();
  const struct {
    std::string text, message;
  } cases[] = {
      {"", "t.best: empty, so not a best-games table"},
      {"zandovik-best 2\n" + kLine, "t.best: line 1: not a best-games table"},
      {kHead + "\n120\t2\tAda\tbest-1.rec\n", "t.best: line 3: a game is 5 fields"},
      {kHead + "0\t2\t2026-12-09T21:40:05Z\tAda\tb.rec\n",
       "line 2: the score is a whole number above 0"},
      {kHead + "-5\t2\t2026-12-09T21:40:05Z\tAda\tb.rec\n", "line 2: the score"},
      {kHead + "1234567890123456789\t2\t2026-12-09T21:40:05Z\tA\tb.rec\n", "line 2: the score"},
      {kHead + "5\tx\t2026-12-09T21:40:05Z\tAda\tb.rec\n", "line 2: the level is a whole number"},
      {kHead + "5\t1\t2026-12-09 21:40\tAda\tb.rec\n", "line 2: the date and time is ISO 8601"},
      {kHead + "5\t1\t2026-12-09T21:40:05Z\t\tb.rec\n", "line 2: a player's name is not empty"},
      {kHead + "5\t1\t2026-12-09T21:40:05Z\tA\x1b[2J\tb.rec\n", "line 2: a player's name is UTF-8"},
      {kHead + "5\t1\t2026-12-09T21:40:05Z\t\xff\tb.rec\n", "line 2: a player's name is UTF-8"},
      {kHead + "5\t1\t2026-12-09T21:40:05Z\t" + std::string(65, 'n') + "\tb.rec\n",
       "line 2: a player's name is at most 64"},
      {kHead + "5\t1\t2026-12-09T21:40:05Z\tA\t../b.rec\n", "line 2: a recording is a file name"},
      {kHead + "5\t1\t2026-12-09T21:40:05Z\tA\tb.txt\n", "line 2: a recording is a file name"},
      {kHead + kLine + kLine, "line 3: the recording best-1.rec is listed already on line 2"},
      {eleven, "t.best: line 12: a table holds at most 10 games"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_NE(refusal(c.text).find(c.message), std::string::npos) << refusal(c.text);
  }
}

TEST(BestTable, OnlyAPlainFileWithinItsBudgetIsRead) {
  Scratch s("best");
  const std::string big = s.write("big.best", kHead + std::string(70000, '#') + "\n");
  const std::string fifo = (s.dir / "fifo.best").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const auto& [path, message] :
       {std::pair{big, "larger than 65536 bytes"}, std::pair{fifo, "not a plain file"},
        std::pair{s.dir.string(), "a folder"},
        std::pair{s.dir.string() + "/none", "cannot open"}}) {
    try {
      game::read_best(path);
      ADD_FAILURE() << path << " was read";
    } catch (const BestError& e) {
      EXPECT_NE(std::string(e.what()).find(path + ": " + message), std::string::npos) << e.what();
    }
  }
}

TEST(BestTable, TheTopTenKeepTheirOrderAndAZeroNeverEnters) {
  BestTable t;
  EXPECT_FALSE(game::enter_best(t, game_of(0, "z.rec")));
  const struct {
    std::int64_t score;
    std::optional<std::size_t> rank;
  } plays[] = {{50, 1},
               {70, 1},
               {50, 3},
               {60, 2},
               {10, 5},
               {10, 6},
               {10, 7},
               {10, 8},
               {10, 9},
               {10, 10},
               {10, std::nullopt},
               {11, 5}};
  std::vector<BestEntry> dropped;
  int n = 0;
  for (const auto& p : plays) {
    SCOPED_TRACE(p.score);
    EXPECT_EQ(game::enter_best(t, game_of(p.score, "g" + std::to_string(++n) + ".rec"), &dropped),
              p.rank);
  }
  ASSERT_EQ(t.entries.size(), 10u);
  EXPECT_EQ(t.entries[2].recording, "g1.rec");  // the earlier 50 stays ahead of the later
  EXPECT_EQ(t.entries[4].score, 11);
  ASSERT_EQ(dropped.size(), 1u);
  EXPECT_EQ(dropped[0].recording, "g10.rec");  // the last of the 10s to come
}

// The recording made in the real window ends with these figures; an entry
// proves itself only with both.
constexpr std::int64_t kGameOver1Points = 10, kGameOver1Level = 1;

TEST(BestTable, AnEntryIsVerifiedOnlyByARecordingThatEndsWithItsScore) {
  Scratch s("best");
  const fs::path replays = fs::path(ZANDOVIK_SOURCE_DIR) / "tests/replays";
  fs::copy_file(replays / "game_over_1.rec", s.dir / "one.rec");
  std::ifstream in(replays / "game_over_1.rec");
  std::string text((std::istreambuf_iterator<char>(in)), {});
  s.write("cut.rec", text.substr(0, text.size() / 2));
  s.write("junk.rec", "not a recording\n");
  const struct {
    std::int64_t score, level;
    std::string recording;
    bool verified;
    std::string why;
  } cases[] = {
      {kGameOver1Points, kGameOver1Level, "one.rec", true, ""},
      {kGameOver1Points + 1, kGameOver1Level, "one.rec", false, "ends with score"},
      {kGameOver1Points, kGameOver1Level + 1, "one.rec", false, "at level"},
      {kGameOver1Points, kGameOver1Level, "none.rec", false, "none.rec: No such file"},
      {kGameOver1Points, kGameOver1Level, "junk.rec", false, "junk.rec: line 1"},
      {kGameOver1Points, kGameOver1Level, "cut.rec", false, "ends with score 30"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.recording + " " + std::to_string(c.score));
    const BestEntry e{c.score, c.level, "2026-12-09T21:40:05Z", "Ada", c.recording};
    const auto proof = game::verify_entry(e, s.dir.string());
    EXPECT_EQ(proof.verified, c.verified) << proof.why;
    EXPECT_NE(proof.why.find(c.why), std::string::npos) << proof.why;
  }
}

}  // namespace
}  // namespace zandovik::testing
