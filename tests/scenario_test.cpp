// Scenarios through the script driver: commands in, JSON lines out.
#include <gtest/gtest.h>

#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>

#include "tools/script.h"

namespace zandovik::tools {
namespace {

using nlohmann::json;

struct Result {
  int status;
  std::vector<json> values;
  std::string err;
};

Result run(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out, err;
  Result r{run_script(in, out, err), {}, err.str()};
  std::istringstream lines(out.str());
  std::string line;
  while (std::getline(lines, line)) r.values.push_back(json::parse(line));
  return r;
}

TEST(Script, StartUpFiguresReadBackExactly) {
  auto r = run(R"(
    show
    get paddle.Top      # single precision, shortest form
    get brickheight
    get speed
    get numbricks.Caption
    get brick(41).BackColor
    get life(4).Visible
    get caption
    get draws
  )");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.values[0].dump(), "6762.6");
  EXPECT_EQ(r.values[1].dump(), "226.2");
  EXPECT_EQ(r.values[2], 138.25);
  EXPECT_EQ(r.values[3], "110");
  EXPECT_EQ(r.values[4], json::parse("[255,0,0]"));
  EXPECT_EQ(r.values[5], false);
  EXPECT_EQ(r.values[6], "Form1");
  EXPECT_EQ(r.values[7], 2);
}

TEST(Script, ScriptedDrawsAndSetLinesReproduceALaunch) {
  auto r = run(R"(
    rnd 0.2 0.6 0.5
    show
    keydown 39
    tick Timer2
    get stepy
    get stepx
    get jitterx
  )");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.values[0], 73);
  EXPECT_DOUBLE_EQ(r.values[1].get<double>(), -117.63741226684188);
  EXPECT_DOUBLE_EQ(r.values[2].get<double>(), 0.9899999998509884);
}

TEST(Script, HoldingRightDrivesThePaddleToTheWallAndLaunchesTheBall) {
  auto r = run(R"(
    show
    keydown 39
    run 1000
    get paddle.Left
    get stepy
  )");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.values[0], 7379);
  EXPECT_NE(r.values[1], 0);
}

TEST(Script, DumpHoldsStateElementsOrderAndCounters) {
  auto r = run("seed 5\nshow\nrun 50\ndump\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const json& d = r.values.at(0);
  EXPECT_EQ(d["state"]["cells"].size(), 31u);
  EXPECT_EQ(d["state"]["cells"][9][3], 1);
  EXPECT_EQ(d["state"]["levels"].size(), 101u);
  EXPECT_EQ(d["state"]["levels"][2][6], "00001234566543210000");
  EXPECT_EQ(d["elements"].size(), 27u + 500u + 2u);
  EXPECT_EQ(d["elements"]["Timer3"]["Interval"], 50);
  EXPECT_EQ(d["elements"]["brick(500)"]["Kind"], "Label");
  EXPECT_EQ(d["order"].front(), "logoball(2)");
  EXPECT_EQ(d["order"].back(), "Label5");
  EXPECT_EQ(d["time_ms"], 50);
  EXPECT_EQ(d["draws"], 2);
  EXPECT_EQ(d["stalls"], 0);
  EXPECT_EQ(d["caption"], "Form1");
}

TEST(Script, TheSameSeedRepeatsARunExactly) {
  const char* script = "seed 42\nshow\nkeydown 37\nrun 20000\ndump\n";
  auto a = run(script), b = run(script);
  ASSERT_EQ(a.status, 0) << a.err;
  EXPECT_EQ(a.values, b.values);
}

TEST(Script, AStallTakesHalfASecondOfVirtualTime) {
  auto r = run(R"(
    show
    set ball.Top 7150
    run 30
    get time_ms
    get stalls
    get lives
    get life(3).Visible
  )");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.values[0], 525);
  EXPECT_EQ(r.values[1], 1);
  EXPECT_EQ(r.values[2], 2);
  EXPECT_EQ(r.values[3], false);
}

TEST(Script, BeforeShowOnlyTheStateAndTheRandomSourceCanBeTouched) {
  auto r = run("set lives 5\nget lives\nseed 3\nrnd 0.5\nshow\nget lives\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.values[0], 5);
  EXPECT_EQ(r.values[1], 5);
  EXPECT_EQ(run("get ball.Left\n").status, 2);
  EXPECT_EQ(run("keydown 37\n").status, 2);
  EXPECT_EQ(run("dump\n").status, 2);
}

TEST(Script, BadLinesNameTheirLineAndStopWithStatusTwo) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"show\n\n# fine\nfrobnicate\n", "line 4: unknown command 'frobnicate'"},
      {"rnd 1.0\n", "line 1: rnd value 1.0 is outside [0, 1)"},
      {"rnd -0.1\n", "line 1: rnd value -0.1 is outside [0, 1)"},
      {"show\nclick pause\n", "line 2: button 'pause' is hidden"},
      {"show\nclick start\n", "line 2: no button 'start' (pause, nextlevel, gameover)"},
      {"show\nget brick(501).Left\n", "line 2: no element 'brick(501)'"},
      {"show\nget life(0).Visible\n", "line 2: no element 'life(0)'"},
      {"get cells(31,0)\n", "line 1: index 31 of cells is outside 0..30"},
      {"set stepy 40000\n", "line 1: value 40000 is out of range -32768..32767"},
      {"set nosuch 1\n", "line 1: no field 'nosuch'"},
      {"show\nshow\n", "line 2: the window is already shown"},
      {"show\ntick Timer9\n", "line 2: no timer 'Timer9' (Timer1, Timer2, Timer3)"},
      {"show\nrun -5\n", "line 2: run takes 0 to 86400000 ms, got -5"},
      {"seed x\n", "line 1: cannot read value 'x'"},
      {"show\nkeydown\n",
       "line 2: 'keydown' takes 1 to 2 argument(s), got 0; usage: keydown CODE [SHIFT]"},
  };
  for (const auto& [script, want] : cases) {
    auto r = run(script);
    EXPECT_EQ(r.status, 2) << script;
    EXPECT_EQ(r.err, want + "\n") << script;
  }
}

TEST(Script, ExtremeValuesWrittenThroughTheDriverNeverOverflow) {
  auto r = run(R"(
    show
    set points 9223372036854775807
    set pattern 9223372036854775807
    set cells(10,12) 1
    set ball.Left 4000
    set ball.Top 4060
    tick Timer2
    get points
    get showscore.Caption
    keydown 112
    get pattern
    set brickwidth 0
    set ball.Left 1e9
    tick Timer2
    get lastcell
  )");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.values[0], 9223372036854775807LL);
  EXPECT_EQ(r.values[1], "775807");
  EXPECT_EQ(r.values[2], 1);
  EXPECT_EQ(r.values[3], 9223372036854775807LL);  // far outside the table: an empty cell
}

TEST(Script, HostileLinesAreRefusedWithAShortPrintableMessage) {
  // Nested a hundred thousand levels deep: refused before it is read.
  for (const std::string cmd : {"set points ", "rnd ", "run ", "set levels(1,1) "}) {
    auto r = run("show\n" + cmd + std::string(100000, '[') + "\n");
    EXPECT_EQ(r.status, 2) << cmd;
    EXPECT_EQ(r.err, "line 2: value nested deeper than 8 levels\n") << cmd;
  }
  // A long line with raw control bytes is quoted short and escaped.
  auto r = run("set nosuch" + std::string("\x1b[2J\x07") + std::string(1000000, 'x') + " 1\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "line 1: bad path 'nosuch\\x1b[2J\\x07" + std::string(37, 'x') + "...'\n");
}

TEST(Script, WholeNumbersAreTakenOnlyWhenTheFieldHoldsThemExactly) {
  auto r = run("set points 9.2233720368547758e18\n");  // 2^63 as a double
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err,
            "line 1: expected a whole number in -9223372036854775808..9223372036854775807, got "
            "'9.223372036854776e+18'\n");
  r = run("set points -9.2233720368547758e18\nget points\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.values[0], std::numeric_limits<std::int64_t>::min());
}

TEST(Script, OutputThatCannotBeWrittenIsAFailure) {
  std::istringstream in("show\ndump\n");
  std::ostringstream out, err;
  out.setstate(std::ios::badbit);  // as a full disk or a closed descriptor leaves it
  EXPECT_EQ(run_script(in, out, err), 1);
  EXPECT_EQ(err.str(), "zandovik-script: cannot write the output\n");
}

TEST(Script, CuesSayWhatThePlayerHears) {
  auto r = run(R"(
    show
    set cells(10,12) 9
    set ball.Left 4000
    set ball.Top 4060
    tick Timer2
    cues
    set bricksleft 1
    set cells(10,12) 1
    set lastcell 0
    tick Timer2
    cues
    set cells(10,12) 3
    set lastcell 0
    tick Timer2
    cues
    set lives 1
    set ball.Top 7100
    tick Timer2
    cues
    cues
  )");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.values[0], json::parse(R"(["unbreakable"])"));
  EXPECT_EQ(r.values[1], json::parse(R"(["break", "level"])"));  // the last countable brick
  EXPECT_EQ(r.values[2], json::parse(R"(["brick:2"])"));         // the pitch follows the hits left
  EXPECT_EQ(r.values[3], json::parse(R"(["lost", "gameover"])"));
  EXPECT_EQ(r.values[4], json::array());
}

TEST(Script, ACommentMarkInsideAQuotedTextIsPartOfTheText) {
  auto r = run("show\nset brick(1).Caption \"#1\"  # a comment\nget brick(1).Caption\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.values[0], "#1");
}

TEST(Script, SettingAnIntervalRestartsItsCount) {
  auto r = run(R"(
    show
    run 10
    set Timer3.Interval 50
    run 45
    get logoball(0).Top
    run 5
    get logoball(0).Top
  )");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.values[0].dump(), "307.5");
  EXPECT_EQ(r.values[1].dump(), "456.5");
}

}  // namespace
}  // namespace zandovik::tools
