// Recordings read back: what a bad one says, and where a replay parts.
#include "game/replay.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "game/boards.h"
#include "game/session.h"
#include "tests/harness.h"

namespace zandovik::testing {
namespace {

using game::RecordingFile;
using game::ReplayError;

struct ReplayFile : ::testing::Test {
  // Tests run side by side in processes of their own: a file each.
  std::string path = ::testing::TempDir() + "zandovik-replay-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-" +
                     std::to_string(::getpid()) + ".rec";
  const std::string head = "zandovik-replay 2\nversion 1.0.0\n";
  void TearDown() override { std::remove(path.c_str()); }
  void write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  std::string error_reading() {
    try {
      RecordingFile::open(path);
    } catch (const ReplayError& e) {
      return e.what();
    }
    return "";
  }
  // What a replay in the driver's session says at its end.
  std::string replayed() {
    game::Session session(nullptr, [] { return 1u; });
    if (auto refused = session.replay(path)) return "refused: " + *refused;
    const auto o = session.replay_all();
    return (o.refused ? "refused: " : "") + o.text;
  }
  std::string at(int line, const std::string& what) {
    return path + ": line " + std::to_string(line) + ": " + what;
  }
};

TEST_F(ReplayFile, ABadRecordingSaysWhatIsWrongAndWhere) {
  write(head + "show 0.5\nadvance 25.5\nkey_down 30 39\n");
  EXPECT_EQ(error_reading(), at(5, "expected a shift state"));
  write(head + "show 0.5\nclick 40 quit\n");
  EXPECT_EQ(error_reading(), at(4, "no button named 'quit'"));
  write(head + "show 0.5");
  EXPECT_EQ(error_reading(), at(3, "the file ends in the middle of this line"));
  write("zandovik-replay 1\nsomething 0.9.0\n");
  EXPECT_EQ(error_reading(), at(2, "expected 'version' and the game's version"));
  write("zandovik-replay 7\nversion 1.0.0\n");
  EXPECT_EQ(error_reading(), at(1, "a recording of another format"));
  write("PNG\x89\n");
  EXPECT_EQ(error_reading(), at(1, "not a zandovik recording"));
  write(head + "advance nan\n");
  EXPECT_EQ(error_reading(), at(3, "expected a time, not 'nan'"));
  write(head + "show 0\nadvance 1" + std::string(300, '0') + "\n");
  EXPECT_EQ(error_reading(), at(4, "a line too long for a recording"));
  write(head + "show 0\n" + std::string("adv\0nce 1\n", 10));
  EXPECT_EQ(error_reading(), at(4, "not text"));
  std::remove(path.c_str());
  EXPECT_EQ(error_reading(), "cannot read " + path + ": No such file or directory");
  ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
  EXPECT_EQ(error_reading(), "cannot read " + path + ": a folder, not a recording");
  ::rmdir(path.c_str());
  // A pipe with no writer is refused at once, never waited on.
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  EXPECT_EQ(error_reading(), "cannot read " + path + ": not a plain file");
  std::remove(path.c_str());
}

TEST_F(ReplayFile, ARecordingThatCouldMisleadOrHangIsRefusedBeforeItPlays) {
  write(head);
  EXPECT_EQ(error_reading(), at(2, "the recording ends before the window is shown"));
  write(head + "seed 5\nadvance 10\nshow 20\n");
  EXPECT_EQ(error_reading(), at(4, "the first event is not 'show'"));
  write(head + "show 0\nseed 5\nadvance 30\nadvance 20\n");
  EXPECT_EQ(error_reading(), at(6, "the time goes backwards (20 ms after 30 ms)"));
  write(head + "show 0\nseed 5\nadvance 3e9\n");
  EXPECT_EQ(error_reading(), at(5, "a time out of range (0 to 2147483647 ms)"));
  write(head + "show -1\n");
  EXPECT_EQ(error_reading(), at(3, "a time out of range (0 to 2147483647 ms)"));
  write(head + "show 0\nseed 5\nshow 10\n");
  EXPECT_EQ(error_reading(), at(5, "a second 'show'"));
  write(head + "show 0\nseed 5\nend 10 0123456789abcdef\nadvance 20\n");
  EXPECT_EQ(error_reading(), at(6, "a line after the closing line"));
  write(head + "show 0\nseed 5\ncheck 10 -1\n");
  EXPECT_EQ(error_reading(), at(5, "a checksum is 16 hex digits, not '-1'"));
  write(head + "show 0\nseed 5\ncheck 10 abc\n");
  EXPECT_EQ(error_reading(), at(5, "a checksum is 16 hex digits, not 'abc'"));
  // The driver's range for keys, one for both.
  write(head + "show 0\nseed 5\nkey_down 10 65535 65535\nkey_down 11 65536 0\n");
  EXPECT_EQ(error_reading(), at(6, "a key code out of range (0 to 65535)"));
  write(head + "show 0\nseed 5\nkey_up 10 39 -1\n");
  EXPECT_EQ(error_reading(), at(5, "a shift state out of range (0 to 65535)"));
  // Refused in the driver's replay the same way, never played.
  write(head + "show 0\nseed 5\nadvance 3e9\n");
  EXPECT_EQ(replayed(), "refused: " + at(5, "a time out of range (0 to 2147483647 ms)"));
}

TEST_F(ReplayFile, OnlyAReplayThatRanToItsEndMatches) {
  // No seed for the window's creation: stopped where it was asked for.
  write(head + "show 0\nadvance 50\n");
  EXPECT_EQ(replayed(), "refused: " + at(3, "the recording has fewer seeds than window creations"));
  // A killed game: its last line cut short is left out, and the replay
  // says so.
  write(head + "show 0\nseed 5\nadvance 50\nadvance 7");
  EXPECT_EQ(replayed(), "replay matches (no closing line: the game was killed)");
  // Written by another version on another system: the carriage returns
  // are not the game's, and its version is only for the reader.
  write("zandovik-replay 1\r\nversion 0.9.0\r\nshow 0\r\nseed 5\r\nadvance 50\r\n");
  EXPECT_EQ(replayed(), "replay matches (no closing line: the game was killed)");
}

TEST_F(ReplayFile, AReplayNamesTheFirstChecksumThatDiffers) {
  // Recorded: a window shown, a launch, ten seconds of play.
  {
    Harness h(false);
    game::Recorder rec;
    ASSERT_TRUE(rec.open(path, "1.0.0", nullptr));
    h.rng.set_seed_source([&] {
      rec.seed(7);
      return 7u;
    });
    rec.show(0.5);
    h.rt.show(0.5);
    const auto right = game::Input::key(true, game::kKeyRight, 0, 30);
    for (double t = 25.5; t <= 10000; t += 25) {
      if (t > 30 && t < 56) {
        rec.input(right);
        h.rt.input(right);
      }
      rec.advance(t);
      h.rt.advance_to(t);
      rec.checkpoint(t, h.rt);
    }
    rec.end(10000, h.rt);
  }
  auto play = [&](std::uint32_t first_seed) {
    Harness h(false);
    auto file = RecordingFile::open(path);
    EXPECT_TRUE(file->closed);
    file->seeds.front() = first_seed;
    game::ReplayPlayer player(std::move(file), h.rt, h.rng);
    return std::pair(player.run(), player.parted());
  };
  EXPECT_EQ(play(7), std::pair(true, std::string()));
  // The same recording with another seed parts at its first check.
  EXPECT_EQ(play(8), std::pair(false, std::string("line 206 (5000.5 ms)")));
}

TEST_F(ReplayFile, ARecordingNeverReplacesAFileAndAnEmptyPathIsRefused) {
  write("a player's earlier game\n");
  std::string said;
  game::Recorder rec;
  EXPECT_FALSE(rec.open(path, "1.0.0", [&](const std::string& s) { said = s; }));
  EXPECT_EQ(said, "cannot record into " + path +
                      ": it exists already (a recording is never written over)");
  std::ifstream in(path);
  std::string kept;
  std::getline(in, kept);
  EXPECT_EQ(kept, "a player's earlier game");
  EXPECT_FALSE(rec.open("", "1.0.0", [&](const std::string& s) { said = s; }));
  EXPECT_EQ(said, "cannot record into \"\": no file named");
}

TEST_F(ReplayFile, AGameOnThePlayersBoardsCarriesThemAndReplaysWithoutTheFile) {
  auto boards = std::make_shared<game::BoardSet>();
  boards->boards.resize(2);
  boards->boards[0].name = "Two bricks";
  boards->boards[0].rows[0] = "10000000000000000002";
  boards->boards[1].rows[9] = "99999999991111111111";
  {
    game::Session live(nullptr, [] { return 3u; });
    live.switch_boards(boards);
    ASSERT_TRUE(live.record(path, "1.0.0", nullptr));
    live.show();
    live.input(game::Input::key(true, game::kKeyF1, 0, 0));
    live.close();
  }
  game::Session again(nullptr, [] { return 1u; });
  ASSERT_EQ(again.replay(path), std::nullopt);
  again.show();  // as the window does: the boards' lines come before show
  ASSERT_TRUE(again.shown());
  EXPECT_EQ(again.state().numpatterns, 2);
  EXPECT_EQ(again.replay_all().text, "replay matches");
  EXPECT_EQ(again.state().numpatterns, 2);
  EXPECT_EQ(again.state().pattern, 2);
  EXPECT_EQ(again.state().builtcount, 10);
  // A board in the recording that could not be played refuses it whole.
  std::string text;
  {
    std::ifstream in(path);
    text.assign(std::istreambuf_iterator<char>(in), {});
  }
  text.replace(text.find("row 1000"), 24, "row 00000000000000000009");
  write(text);
  EXPECT_EQ(error_reading(),
            at(3,
               "board 1 \"Two bricks\": no brick of 1 to 8 to break, so it could never be "
               "finished"));
}

TEST_F(ReplayFile, ASwitchOfBoardsAndOfSpeedIsRecordedAndReplays) {
  auto two = std::make_shared<game::BoardSet>();
  two->boards.resize(2);
  two->boards[0].rows[0] = "10000000000000000002";
  two->boards[1].rows[9] = "99999999991111111111";
  {
    game::Session live(nullptr, [] { return 3u; });
    ASSERT_TRUE(live.record(path, "1.0.0", nullptr));
    ASSERT_TRUE(live.set_speed(85));
    live.show();
    live.key_down(game::kKeyF1, 0);
    live.switch_boards(two);
    EXPECT_EQ(live.state().numpatterns, 2);
    EXPECT_FALSE(live.set_speed(50));
    ASSERT_TRUE(live.set_speed(70));
    live.key_down(game::kKeyF1, 0);
    live.switch_boards(nullptr);
    live.close();
  }
  std::ifstream in(path);
  std::string text(std::istreambuf_iterator<char>(in), {});
  const std::string start = "zandovik-replay 3\nversion 1.0.0\nspeed 0 85\nshow 0\nseed 3\n";
  EXPECT_EQ(text.substr(0, start.size()), start);
  EXPECT_NE(text.find("row 99999999991111111111\nswitch_boards 0\nseed 3\nspeed 0 70\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\nswitch_boards 0\nseed 3\nend 0 "), std::string::npos) << text;

  game::Session again(nullptr, [] { return 1u; });
  ASSERT_EQ(again.replay(path), std::nullopt);
  again.show();
  EXPECT_EQ(again.speed(), 85);
  EXPECT_EQ(again.replay_all().text, "replay matches");
  EXPECT_EQ(again.speed(), 70);
  EXPECT_EQ(again.state().numpatterns, 3);  // the built-in patterns again
  EXPECT_EQ(again.generation(), 4u);        // shown, and three new games
  // Boards after show that no switch takes cannot be played.
  write("zandovik-replay 3\nversion 1.0.0\nshow 0\nseed 3\nboard A\nadvance 10\n");
  EXPECT_EQ(error_reading(), at(6, "boards that no 'switch_boards' takes"));
  write("zandovik-replay 3\nversion 1.0.0\nspeed 0 50\nshow 0\n");
  EXPECT_EQ(error_reading(), at(3, "a speed is 100, 85 or 70 percent, not 50"));
  write(head + "show 0\nseed 3\nspeed 10 85\n");
  EXPECT_EQ(error_reading(), at(5, "unknown line 'speed'"));
}

TEST_F(ReplayFile, ARecordingIsMadeOnlyWhenTheWindowShows) {
  {
    game::Session never(nullptr, [] { return 3u; });
    ASSERT_TRUE(never.record(path, "1.0.0", nullptr));
  }
  EXPECT_NE(::access(path.c_str(), F_OK), 0) << "a start that failed left a recording";
  // A path that cannot be made is said at once, before any window.
  std::string said;
  game::Session refused(nullptr, [] { return 3u; });
  EXPECT_FALSE(refused.record(path + "/no/such", "1.0.0", [&](const std::string& s) { said = s; }));
  EXPECT_EQ(said, "cannot record into " + path + "/no/such: No such file or directory");
}

TEST_F(ReplayFile, ABadBoardInARecordingIsNamedByTheRecordingsOwnLine) {
  const std::string row = "row 11111111111111111111\n";
  write(head + "seed 4\nboard A\n" + row + "row 1111\nshow 0\n");
  EXPECT_EQ(error_reading(), at(6, "a row is 20 digits 0 to 9; this one has 4 characters"));
  write(head + "board A\n" + row + "board B\nseed 4\nboard C\n" + row + "show 0\n");
  EXPECT_EQ(error_reading(), at(5, "board 2 \"B\" has no row"));
  // A row line is digits: it cannot begin a board or hide as a comment.
  write(head + "board A\nrow board\n" + row + "show 0\nseed 4\n");
  EXPECT_EQ(error_reading(), at(4, "a row is 20 digits 0 to 9, not 'board'"));
  write(head + "board A\nrow #1\n" + row + "show 0\nseed 4\n");
  EXPECT_EQ(error_reading(), at(4, "a row is 20 digits 0 to 9, not '#1'"));
  // Boards are kept whole until the check ends: no more than a board file.
  std::string many = head + "board A\n";
  while (many.size() < (2u << 20)) many += row;
  write(many + "show 0\n");
  EXPECT_EQ(error_reading(), at(49934, "more boards than the 1 MiB a board file holds"));
}

TEST_F(ReplayFile, ARecordingCutShortWhileItPlaysIsRefusedAndLinesAddedAreNotPlayed) {
  // Longer than the reader's buffer, so its end is read while it plays.
  std::string text = head + "show 0\nseed 4\n";
  for (int t = 1; text.size() < 200000; ++t) text += "advance " + std::to_string(t) + "\n";
  write(text);
  game::Session added(nullptr, [] { return 1u; });
  ASSERT_EQ(added.replay(path), std::nullopt);
  std::ofstream(path, std::ios::app) << "advance 1\n";  // would go back in time
  EXPECT_EQ(added.replay_all().text, "replay matches (no closing line: the game was killed)");
  for (const std::size_t size : {150000u, 150001u}) {  // after a whole line, and within one
    write(text);
    game::Session cut(nullptr, [] { return 1u; });
    ASSERT_EQ(cut.replay(path), std::nullopt);
    ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(size)), 0);
    const auto o = cut.replay_all();
    EXPECT_TRUE(o.refused);
    EXPECT_NE(o.text.find(": the recording was cut short while it played"), std::string::npos)
        << o.text;
  }
}

TEST(TimerWait, IsClampedToWhatATimerCanWait) {
  EXPECT_EQ(game::wait_ms(10.2, 0), 11);
  EXPECT_EQ(game::wait_ms(5, 9), 0);
  EXPECT_EQ(game::wait_ms(3e9, 0), INT_MAX);
  EXPECT_EQ(game::wait_ms(NAN, 0), 0);
}

}  // namespace
}  // namespace zandovik::testing
