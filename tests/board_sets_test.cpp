// Where board sets are found: the shipped ones, the player's folder, a
// path; and the shipped extra set itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "game/boards.h"
#include "tests/scratch.h"

namespace zandovik::testing {
namespace {

using game::BoardError;
using game::read_boards;
namespace fs = std::filesystem;

const std::string kHead = "zandovik-boards 1\n";

TEST(BoardFileOnDisk, TheExtraSetIsValidWithADistinctNameForEveryBoard) {
  const auto set = read_boards(ZANDOVIK_SOURCE_DIR "/boards/extra.boards");
  EXPECT_GE(set.boards.size(), 20u);
  std::set<std::string> names, mixes;
  for (const auto& b : set.boards) {
    EXPECT_FALSE(b.name.empty());
    names.insert(b.name);
    std::set<char> digits;
    int bricks = 0;
    for (const auto& row : b.rows)
      for (char c : row) {
        if (c != '0') digits.insert(c);
        bricks += c >= '1' && c <= '8';
      }
    mixes.insert(std::string(digits.begin(), digits.end()));
    EXPECT_GE(bricks, 40) << b.name;  // none over before it starts
    EXPECT_LE(bricks, 180) << b.name;
  }
  EXPECT_EQ(names.size(), set.boards.size());
  EXPECT_EQ(mixes.size(), set.boards.size()) << "every board a different mix of hits";
}

TEST(BoardsPath, ABareNameIsASetOfTheGamesAndAnythingElseAPath) {
  Scratch s("sets");
  fs::create_directories(s.dir / "boards");
  s.write("boards/extra.boards", kHead);
  const std::string build = s.dir.string();
  EXPECT_EQ(game::boards_path("extra", build), build + "/boards/extra.boards");
  // No such set: refused, even with a file of that name here (it would be
  // played by mistake); such a file is named with a '/' or its .boards.
  const auto refusal_of_name = [&](const std::string& name) {
    try {
      game::boards_path(name, build);
    } catch (const BoardError& e) {
      return std::string(e.what());
    }
    return std::string();
  };
  EXPECT_EQ(refusal_of_name("no-such-set"), "no shipped set named no-such-set");
  EXPECT_EQ(refusal_of_name("a\tb"), "no shipped set named \"a\\tb\"");
  const auto here = fs::current_path();
  fs::current_path(s.dir);
  EXPECT_EQ(refusal_of_name("boards"),
            "no shipped set named boards (for the file of that name, say ./boards)");
  fs::current_path(here);
  EXPECT_EQ(game::boards_path("./extra", build), "./extra");
  EXPECT_EQ(game::boards_path("/tmp/x.boards", build), "/tmp/x.boards");
  // The sets are found by looking: each .boards file, the build's first.
  s.write("boards/alpha.boards", kHead);
  s.write("boards/notes.txt", kHead);
  const auto sets = game::shipped_board_sets(build);
  ASSERT_GE(sets.size(), 2u);
  EXPECT_EQ(sets[0], (game::ShippedSet{"alpha", build + "/boards/alpha.boards"}));
  EXPECT_NE(std::find(sets.begin(), sets.end(),
                      game::ShippedSet{"extra", build + "/boards/extra.boards"}),
            sets.end());
  EXPECT_EQ(game::boards_path("mine.boards", build), "mine.boards");  // a file here
}

TEST(BoardsPath, APlayersSetIsFoundInTheirBoardFolderAfterTheGames) {
  Scratch s("sets");
  fs::create_directories(s.dir / "data/zandovik/boards");
  fs::create_directories(s.dir / "boards");
  s.write("data/zandovik/boards/castles.boards", kHead);
  s.write("data/zandovik/boards/extra.boards", kHead);
  s.write("boards/extra.boards", kHead);
  const char* before = std::getenv("XDG_DATA_HOME");
  const std::string saved = before ? before : "";
  ::setenv("XDG_DATA_HOME", (s.dir / "data").c_str(), 1);
  const std::string build = s.dir.string();
  EXPECT_EQ(game::boards_path("castles", build), build + "/data/zandovik/boards/castles.boards");
  EXPECT_EQ(game::boards_path("extra", build), build + "/boards/extra.boards");
  before ? ::setenv("XDG_DATA_HOME", saved.c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace zandovik::testing
