// Recordings read back: what a bad one says, and where a replay parts.
#include "game/replay.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "tests/harness.h"

namespace zandovik::testing {
namespace {

using game::Recording;
using game::ReplayError;

struct ReplayFile : ::testing::Test {
  // Tests run side by side in processes of their own: a file each.
  std::string path = ::testing::TempDir() + "zandovik-replay-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-" +
                     std::to_string(::getpid()) + ".rec";
  void TearDown() override { std::remove(path.c_str()); }
  void write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  std::string error_reading() {
    try {
      Recording::read(path, "1.0.0");
    } catch (const ReplayError& e) {
      return e.what();
    }
    return "";
  }
};

TEST_F(ReplayFile, ABadRecordingSaysWhatIsWrongAndWhere) {
  const std::string head = "zandovik-replay 1\nversion 1.0.0\n";
  write(head + "show 0.5\nadvance 25.5\nkey_down 30 39\n");
  EXPECT_EQ(error_reading(), path + ": line 5: expected a shift state");
  write(head + "show 0.5\nclick 40 quit\n");
  EXPECT_EQ(error_reading(), path + ": line 4: no button named 'quit'");
  write(head + "show 0.5\nadvance 25");
  EXPECT_EQ(error_reading(), path + ": line 4: the file ends in the middle of this line");
  write("zandovik-replay 1\nversion 0.9.0\n");
  EXPECT_EQ(error_reading(),
            path + ": line 2: a recording of zandovik 0.9.0; this is zandovik 1.0.0");
  write("zandovik-replay 7\nversion 1.0.0\n");
  EXPECT_EQ(error_reading(), path + ": line 1: a recording of another format");
  write("PNG\x89\n");
  EXPECT_EQ(error_reading(), path + ": line 1: not a zandovik recording");
  write(head + "advance nan\n");
  EXPECT_EQ(error_reading(), path + ": line 3: expected a time");
  std::remove(path.c_str());
  EXPECT_EQ(error_reading(), "cannot read " + path + ": No such file or directory");
  ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
  EXPECT_EQ(error_reading(), "cannot read " + path + ": a folder, not a recording");
  ::rmdir(path.c_str());
  path = "/dev/zero";
  EXPECT_EQ(error_reading(), "cannot read /dev/zero: not a plain file");
  path.clear();
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
  auto play = [&](const Recording& r) {
    Harness h(false);
    game::ReplayPlayer player(r, h.rt, h.rng);
    return std::pair(player.run(), player.parted());
  };
  EXPECT_EQ(play(Recording::read(path, "1.0.0")), std::pair(true, std::string()));
  // The same recording with another seed parts at its first check.
  Recording other = Recording::read(path, "1.0.0");
  other.seeds.front() = 8;
  const auto [matches, where] = play(other);
  EXPECT_FALSE(matches);
  EXPECT_EQ(where, "line 206 (5000.5 ms)");
}

}  // namespace
}  // namespace zandovik::testing
