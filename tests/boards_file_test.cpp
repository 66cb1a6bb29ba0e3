// Board files: what is read, what is refused (and where it says so), what is
// written, and the boards in the game's pattern table.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>

#include "game/boards.h"
#include "game/names.h"
#include "tests/harness.h"
#include "tests/scratch.h"

namespace zandovik::testing {
namespace {

using game::BoardError;
using game::BoardSet;
using game::parse_boards;
using game::read_boards;
namespace fs = std::filesystem;

const std::string kHead = "zandovik-boards 1\n";
const std::string kRow = "00000000111100000000";
const std::string kZeros(20, '0');

// The message a text is refused with, or "" if it is read.
std::string refusal(const std::string& text) {
  try {
    parse_boards(text, "t.boards");
  } catch (const BoardError& e) {
    return e.what();
  }
  return "";
}

std::string refusal_of_file(const std::string& path) {
  try {
    read_boards(path);
  } catch (const BoardError& e) {
    return e.what();
  }
  return "";
}

TEST(BoardFile, ReadsNamesRowsCommentsBlanksAndCarriageReturns) {
  const BoardSet set = parse_boards(
      "zandovik-boards 1\r\n"
      "# a comment\n"
      "\n"
      "  board   The Gate  \r\n"
      "\t00000000111100000000 \r\n"
      "   # an indented comment\n"
      "00000011277211000000\n"
      "board\n"
      "11111111111111111111\n"
      "board Łódź ünd 城堡\n"
      "00000000000000000001",
      "t.boards");
  ASSERT_EQ(set.boards.size(), 3u);
  EXPECT_EQ(set.boards[0].name, "The Gate");
  EXPECT_EQ(set.boards[0].rows[0], kRow);
  EXPECT_EQ(set.boards[0].rows[1], "00000011277211000000");
  EXPECT_EQ(set.boards[1].name, "");
  EXPECT_EQ(set.boards[2].name, "Łódź ünd 城堡");
  // The rows a board leaves out are empty.
  for (int r = 2; r < game::kPatternRowsUsed; ++r) EXPECT_EQ(set.boards[0].rows[r], kZeros);
  EXPECT_EQ(set.boards[2].rows[9], kZeros);
  // Begun with a byte-order mark, as some editors write UTF-8.
  EXPECT_EQ(parse_boards("\xEF\xBB\xBFzandovik-boards 1\nboard\n" + kRow + "\n", "t.boards")
                .boards.size(),
            1u);
}

TEST(BoardFile, ReadsAFileWithOldMacLineEndingsLineByLine) {
  const BoardSet set =
      parse_boards("zandovik-boards 1\r# old\rboard A\r" + kRow + "\r", "t.boards");
  ASSERT_EQ(set.boards.size(), 1u);
  EXPECT_EQ(set.boards[0].name, "A");
  EXPECT_EQ(set.boards[0].rows[0], kRow);
  EXPECT_EQ(refusal("zandovik-boards 1\rboard\r0001\r"),
            "t.boards: line 3: a row is 20 digits 0 to 9; this one has 4 characters");
  EXPECT_EQ(refusal("zandovik-boards 1\rboard\r1\r"),
            "t.boards: line 3: a row is 20 digits 0 to 9; this one has 1 character");
}

TEST(BoardFile, ReadsAHundredBoardsAndNamesOfFortyCharacters) {
  std::string text = kHead;
  for (int k = 0; k < game::kMaxBoards; ++k)
    text += "board " + std::string(40, 'x') + "\n" + kRow + "\n";
  EXPECT_EQ(parse_boards(text, "t.boards").boards.size(), 100u);
  // Forty characters, not bytes: each of these is two bytes.
  const std::string wide = "board " + [] {
    std::string s;
    for (int i = 0; i < 40; ++i) s += "é";
    return s;
  }();
  EXPECT_EQ(refusal(kHead + wide + "\n" + kRow + "\n"), "");
  EXPECT_EQ(refusal(kHead + wide + "é\n" + kRow + "\n"),
            "t.boards: line 2: a board's name is at most 40 characters; this one has 41");
}

TEST(BoardFile, RefusesEachKindOfBadFileNamingTheLine) {
  const std::string b = "board A\n";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "line 1: not a board file: the first line must be 'zandovik-boards 1'"},
      {"zandovik-boards 2\n" + b + kRow,
       "line 1: a board file of another version: this game reads 'zandovik-boards 1'"},
      {"# zandovik-boards 1\n" + b + kRow,
       "line 1: not a board file: the first line must be 'zandovik-boards 1'"},
      {kHead + b + "0000000011110000000\n",
       "line 3: a row is 20 digits 0 to 9; this one has 19 characters"},
      {kHead + b + "000000001111000000000\n",
       "line 3: a row is 20 digits 0 to 9; this one has 21 characters"},
      {kHead + b + "00000000111x00000000\n",
       "line 3: a row is 20 digits 0 to 9; character 12 is 'x'"},
      {kHead + b + "0000000011 100000000\n",
       "line 3: a row is 20 digits 0 to 9; character 11 is ' '"},
      {kHead + "# first\n" + kRow + "\n", "line 3: a row before the first 'board' line"},
      {kHead + b + kRow + "\nboardwalk\n",
       "line 4: expected a row of 20 digits, a 'board' line or a comment, not 'boardwalk'"},
      {kHead + "board " + std::string(41, 'n') + "\n" + kRow,
       "line 2: a board's name is at most 40 characters; this one has 41"},
      {kHead + "board a\x01z\n" + kRow, "line 2: a board's name cannot hold control characters"},
      {kHead +
           "board abc\xe2\x80\xae"
           "evil\n" +
           kRow,  // a right-to-left override
       "line 2: a board's name cannot hold invisible format characters (U+202E, such as a "
       "direction override)"},
      {kHead + "board \xf3\xa0\x80\x81tag\n" + kRow,
       "line 2: a board's name cannot hold invisible format characters (U+E0001, such as a "
       "direction override)"},
      {kHead, "line 1: the file ends without a board: it needs 1 to 100"},
      {kHead + "# nothing\n\n", "line 3: the file ends without a board: it needs 1 to 100"},
      {kHead + b + kRow + "\nboard Stone\n" + "00009000000000090000\n" + b + kRow,
       "line 4: board 2 \"Stone\": no brick of 1 to 8 to break, so it could never be finished"},
      {kHead + b + kRow + "\nboard\n", "line 4: board 2 has no row"},
      {kHead + b + kRow + "\nboard X\xff\n" + kRow, "line 4: not valid UTF-8 text"},
      {kHead + b + kRow + "\n# \xe2\x82\n", "line 4: not valid UTF-8 text"},
      {kHead + b + "\xed\xa0\x80" + kRow, "line 3: not valid UTF-8 text"},  // a surrogate
      {kHead + b + "\xc0\xb0" + kRow, "line 3: not valid UTF-8 text"},      // an overlong '0'
  };
  for (const auto& [text, want] : cases) EXPECT_EQ(refusal(text), "t.boards: " + want) << text;

  std::string eleven = kHead + b;
  for (int r = 0; r < 11; ++r) eleven += kRow + "\n";
  EXPECT_EQ(refusal(eleven),
            "t.boards: line 13: board 1 \"A\" has an 11th row: a board has at most 10");
  std::string many = kHead;
  for (int k = 0; k <= game::kMaxBoards; ++k) many += "board\n" + kRow + "\n";
  EXPECT_EQ(refusal(many), "t.boards: line 202: a board more than the 100 a file may hold");
}

TEST(BoardFile, ALongLineIsQuotedShortAndWhole) {
  const std::string line = "x" + std::string(50, 'y');
  EXPECT_EQ(refusal(kHead + "board\n" + kRow + "\n" + line),
            "t.boards: line 4: expected a row of 20 digits, a 'board' line or a comment, not '" +
                line.substr(0, 32) + "...'");
}

TEST(BoardFile, FormatReadsBackTheSameSet) {
  BoardSet set;
  set.boards.resize(3);
  set.boards[0].name = "The Gate";
  set.boards[0].rows[0] = kRow;
  set.boards[0].rows[4] = "90000000000000000009";
  set.boards[1].rows[9] = "12345678900000000000";  // the last row given, nothing before
  set.boards[2].name = "Śnieg";
  set.boards[2].rows.fill("11111111111111111111");
  const std::string text = game::format_boards(set);
  EXPECT_EQ(text.substr(0, text.find('\n', kHead.size() + 20) + 1),
            kHead + "board The Gate\n" + kRow + "\n");
  // Trailing empty rows are left out; those before a given row are not.
  EXPECT_NE(text.find("board The Gate\n" + kRow + "\n" + kZeros + "\n" + kZeros + "\n" + kZeros +
                      "\n90000000000000000009\nboard\n"),
            std::string::npos);
  EXPECT_EQ(parse_boards(text, "t.boards"), set);
  EXPECT_EQ(game::format_boards(parse_boards(text, "t.boards")), text);
}

TEST(BoardFile, SaysWhyASetCannotBePlayedOrWritten) {
  BoardSet set;
  EXPECT_EQ(game::set_problem(set), "no board: a set holds 1 to 100");
  set.boards.resize(2);
  set.boards[0].rows[0] = kRow;
  set.boards[1].name = "Empty";
  EXPECT_EQ(game::set_problem(set),
            "board 2 \"Empty\": no brick of 1 to 8 to break, so it could never be finished");
  set.boards[1].rows[3] = "0001";
  EXPECT_EQ(game::set_problem(set), "board 2 \"Empty\": row 4: a row is 20 digits 0 to 9");
  set.boards[1].rows[3] = kRow;
  EXPECT_EQ(game::set_problem(set), std::nullopt);
  set.boards[0].name = " padded";
  EXPECT_EQ(game::set_problem(set), "board 1: a board's name has no blanks at either end");
  EXPECT_EQ(game::name_problem("tab\there"), "a board's name cannot hold control characters");
  EXPECT_EQ(game::name_problem("c1\xc2\x85"), "a board's name cannot hold control characters");
  // Joiners stay: a family emoji is a name.
  EXPECT_EQ(game::name_problem("\xf0\x9f\x91\xa8\xe2\x80\x8d\xf0\x9f\x91\xa7"), std::nullopt);
  set.boards.resize(101, set.boards[1]);
  EXPECT_EQ(game::set_problem(set), "101 boards: a set holds 1 to 100");
}

TEST(BoardFileOnDisk, ReadsAPlainFile) {
  Scratch s("boards");
  const auto set = read_boards(s.write("two.boards", kHead + "board A\n" + kRow + "\n"));
  ASSERT_EQ(set.boards.size(), 1u);
  EXPECT_EQ(set.boards[0].name, "A");
}

TEST(BoardFileOnDisk, RefusesWhatIsNotAPlainBoardFileWithoutWaiting) {
  Scratch s("boards");
  const std::string missing = (s.dir / "gone.boards").string();
  EXPECT_EQ(refusal_of_file(missing), missing + ": cannot open: No such file or directory");
  EXPECT_EQ(refusal_of_file(s.dir.string()), s.dir.string() + ": a folder, not a board file");
  // A pipe that nobody writes to: refused at once, never waited on.
  const std::string fifo = (s.dir / "pipe.boards").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(refusal_of_file(fifo), fifo + ": not a plain file, so not a board file");
  EXPECT_EQ(refusal_of_file("/dev/zero"), "/dev/zero: not a plain file, so not a board file");
}

TEST(BoardFileOnDisk, RefusesTheSystemsFilesWithoutReadingThem) {
  // /proc/kmsg looks plain and waits for the kernel's next message.
  for (const std::string path : {"/proc/self/status", "/proc/kmsg", "/sys/kernel/uevent_seqnum"}) {
    if (::access(path.c_str(), R_OK) != 0) continue;
    EXPECT_EQ(refusal_of_file(path), path + ": a file the system makes, not a board file");
  }
}

TEST(BoardFileOnDisk, SaysWhatTheSystemSaidOfAFileItCannotOpen) {
  Scratch s("boards");
  try {
    read_boards((s.dir / "gone.boards").string());
    FAIL() << "read";
  } catch (const BoardError& e) {
    EXPECT_TRUE(e.unreadable);
    EXPECT_EQ(e.reason, "cannot open: No such file or directory");
  }
  try {
    read_boards(s.write("bad.boards", "x\n"));
    FAIL() << "read";
  } catch (const BoardError& e) {
    EXPECT_FALSE(e.unreadable);
  }
}

TEST(FileNames, InMessagesControlCharactersAreEscapedAsGitDoes) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"mine.boards", "mine.boards"},
      {"/home/me/Łódź 城堡.boards", "/home/me/Łódź 城堡.boards"},
      {"a\nb", "\"a\\nb\""},
      {"\x1b[2Jx\t", "\"\\033[2Jx\\t\""},
      {"q\"b\\s", "\"q\\\"b\\\\s\""},
      {"c1\xc2\x85", "\"c1\\302\\205\""},           // NEL
      {"r\xe2\x80\xaet", "\"r\\342\\200\\256t\""},  // a right-to-left override
      {"bad\xff", "\"bad\\377\""},
      {"del\x7f", "\"del\\177\""},
  };
  for (const auto& [name, want] : cases) EXPECT_EQ(game::printable_name(name), want) << name;
  // Each reader's messages: still one line.
  EXPECT_EQ(refusal_of_file("/nowhere/a\nb.boards"),
            "\"/nowhere/a\\nb.boards\": cannot open: No such file or directory");
  try {
    parse_boards("x", "\x1b]0;t\a.boards");
    FAIL() << "read";
  } catch (const BoardError& e) {
    EXPECT_EQ(std::string(e.what()),
              "\"\\033]0;t\\a.boards\": line 1: not a board file: the first line must be "
              "'zandovik-boards 1'");
  }
}

TEST(BoardFileOnDisk, RefusesAFileOverOneMebibyteAtTheLineThatCrossesIt) {
  Scratch s("boards");
  std::string text = kHead + "board\n" + kRow + "\n";
  const std::string comment = "# " + kRow + "\n";
  while (text.size() + comment.size() <= game::kMaxBoardFileBytes) text += comment;
  const std::size_t left = game::kMaxBoardFileBytes - text.size();
  text += left == 0 ? "" : "#" + std::string(left - 1, 'x').substr(0, left - 1);
  if (left > 0) text.back() = '\n';
  ASSERT_EQ(text.size(), game::kMaxBoardFileBytes);
  EXPECT_EQ(refusal_of_file(s.write("fits.boards", text)), "");  // exactly the budget
  const auto lines = std::count(text.begin(), text.end(), '\n');
  const std::string over = s.write("over.boards", text + "#");
  EXPECT_EQ(refusal_of_file(over), over + ": line " + std::to_string(lines + 1) +
                                       ": the file goes on past 1 MiB, more than any board file");
}

// The pattern table from a set: rows 1..10 of patterns 1..N, N patterns.
TEST(BoardsInTheGame, FillThePatternTableAndEveryNewWindow) {
  auto set = std::make_shared<BoardSet>(
      parse_boards(kHead + "board One\n" + kRow + "\n90000000000000000009\nboard Two\n" +
                       "33333333333333333333\n22222222222222222222\n",
                   "t.boards"));
  Harness h(false);
  h.rt.set_boards(set);
  h.rt.show();
  EXPECT_EQ(h.s.numpatterns, 2);
  EXPECT_EQ(h.s.levels[1][1], kRow);
  EXPECT_EQ(h.s.levels[1][10], kZeros);
  EXPECT_EQ(h.s.levels[2][2], "22222222222222222222");
  EXPECT_EQ(h.s.levels[3][1], "");  // no built-in pattern is left behind
  EXPECT_EQ(h.el(Named::numbricks).caption, "004");
  EXPECT_EQ(h.s.cells[1][4], 9);
  EXPECT_TRUE(h.brick(61).visible);  // the "!" in row 2 of the board
  EXPECT_EQ(h.brick(61).caption, "!");
  h.rt.key_down(game::kKeyF1, 0);
  EXPECT_EQ(h.s.pattern, 2);
  EXPECT_EQ(h.el(Named::numbricks).caption, "040");
  h.rt.key_down(game::kKeyF1, 0);
  EXPECT_EQ(h.s.pattern, 1);
  h.rt.key_down(game::kKeyF2, 0);
  EXPECT_EQ(h.s.pattern, 2);
  // A new game keeps the boards.
  h.s.lives = 1;
  h.place_ball(300, 7102);
  h.lostlife();
  ASSERT_TRUE(h.rt.click(Named::gameover));
  EXPECT_EQ(h.s.numpatterns, 2);
  EXPECT_EQ(h.el(Named::numbricks).caption, "004");
}

TEST(BoardsInTheGame, WithoutASetTheGameIsTheBuiltInOne) {
  for (bool empty_set : {false, true}) {
    Harness h(false);
    if (empty_set) h.rt.set_boards(std::make_shared<BoardSet>());
    h.rt.show();
    EXPECT_EQ(h.s.numpatterns, 3);
    EXPECT_EQ(h.s.levels[3][5], "11227988888888972211");
    EXPECT_EQ(h.s.levels[4][1], "");
    EXPECT_EQ(h.el(Named::numbricks).caption, "110");
  }
}

}  // namespace
}  // namespace zandovik::testing
