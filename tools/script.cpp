#include "tools/script.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <istream>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <sstream>
#include <vector>

#include "game/session.h"
#include "tools/fields.h"
#include "tools/inspect.h"
#include "tools/properties.h"

namespace zandovik::tools {

using game::TimerId;
using nlohmann::json;
using scene::Element;

namespace {

// The longest `run` one line may ask for: a full day of game time.
constexpr double kMaxRunMs = 24.0 * 3600 * 1000;

std::string strip_comment(const std::string& line) {
  std::size_t end = line.size();
  scan_unquoted(line, [&](std::size_t i, char c) {
    if (c != '#') return true;
    end = i;
    return false;
  });
  return line.substr(0, end);
}

std::optional<scene::Named> button_named(const std::string& name) {
  for (scene::Named b : game::kButtons)
    if (name == scene::name_of(b)) return b;
  return std::nullopt;
}

std::optional<TimerId> timer_named(const std::string& name) {
  for (std::size_t k = 0; k < game::kTimers.size(); ++k)
    if (name == scene::name_of(game::kTimers[k])) return static_cast<TimerId>(k);
  return std::nullopt;
}

class Interpreter;
using Args = std::vector<std::string>;

// One driver command: its name, what it takes, and what it does.
struct Command {
  const char* name;
  const char* usage;
  std::size_t min_args, max_args;  // words after the name
  bool needs_window;
  void (Interpreter::*action)(const Args& args, const std::string& rest);
};

class Interpreter {
 public:
  Interpreter(std::ostream& out) : out_(out), session_(nullptr, [] { return kFirstSeed; }) {}

  static const std::vector<Command>& commands();

  void execute(const std::string& line) {
    std::istringstream ss(line);
    std::string name;
    ss >> name;
    std::string rest;
    std::getline(ss, rest);
    rest = trim(rest);
    Args args;
    {
      std::istringstream as(rest);
      std::string a;
      while (as >> a) args.push_back(a);
    }
    const Command* cmd = nullptr;
    for (const auto& c : commands())
      if (name == c.name) cmd = &c;
    if (!cmd) throw PathError{"unknown command " + quote(name)};
    if (args.size() < cmd->min_args || args.size() > cmd->max_args)
      throw PathError{
          quote(name) + " takes " +
          (cmd->min_args == cmd->max_args ? std::to_string(cmd->min_args)
           : cmd->max_args == SIZE_MAX
               ? "at least " + std::to_string(cmd->min_args)
               : std::to_string(cmd->min_args) + " to " + std::to_string(cmd->max_args)) +
          " argument(s), got " + std::to_string(args.size()) + "; usage: " + cmd->usage};
    if (cmd->needs_window && !session_.shown())
      throw PathError{quote(name) + " needs the window: use 'show' first"};
    (this->*cmd->action)(args, rest);
  }

  void seed(const Args& a, const std::string&) {
    session_.set_seed(static_cast<std::uint32_t>(json_integer(parse_value(a[0]), 0, 4294967295LL)));
  }

  void rnd(const Args& args, const std::string&) {
    std::vector<float> values;
    for (const auto& a : args) {
      double d = json_number(parse_value(a));
      float f = static_cast<float>(d);
      if (!(d >= 0 && d < 1) || !(f < 1.0f))
        throw PathError{"rnd value " + excerpt(a) + " is outside [0, 1)"};
      values.push_back(f);
    }
    for (float f : values) session_.script_draw(f);
  }

  void show(const Args&, const std::string&) {
    if (session_.shown()) throw PathError{"the window is already shown"};
    session_.show();
  }

  // The boards of a file, or of a set that ships with the game, in place of
  // the built-in patterns for every window the script creates; after show,
  // a new game on them.
  void boards(const Args&, const std::string& name) {
    try {
      const auto path = game::boards_path(name, game::executable_dir());
      session_.switch_boards(std::make_shared<const game::BoardSet>(game::read_boards(path)));
    } catch (const game::BoardError& e) {
      throw PathError{e.what()};
    }
  }

  // A recording of a window's game, played headlessly from a fresh game:
  // every input, advance and seed as the window had them.
  void replay(const Args&, const std::string& path) {
    if (session_.shown())
      throw PathError{"replay plays a game from its start: use it before 'show'"};
    if (auto refused = session_.replay(path)) throw PathError{*refused};
    const auto outcome = session_.replay_all();
    if (outcome.refused) throw PathError{outcome.text};
    out_ << outcome.text << '\n';
  }

  std::pair<int, int> key_args(const Args& a) {
    int code = static_cast<int>(json_integer(parse_value(a[0]), 0, game::kMaxKeyCode));
    int shift =
        a.size() > 1 ? static_cast<int>(json_integer(parse_value(a[1]), 0, game::kMaxShift)) : 0;
    return {code, shift};
  }
  void keydown(const Args& a, const std::string&) {
    auto [code, shift] = key_args(a);
    session_.key_down(code, shift);
  }
  void keyup(const Args& a, const std::string&) {
    auto [code, shift] = key_args(a);
    session_.key_up(code, shift);
  }

  void click(const Args& a, const std::string&) {
    const auto button = button_named(a[0]);
    if (!button) throw PathError{"no button " + quote(a[0]) + " (pause, nextlevel, gameover)"};
    if (!session_.click(*button)) throw PathError{"button " + quote(a[0]) + " is hidden"};
  }

  void tick(const Args& a, const std::string&) {
    const auto timer = timer_named(a[0]);
    if (!timer) throw PathError{"no timer " + quote(a[0]) + " (Timer1, Timer2, Timer3)"};
    session_.tick(*timer);  // virtual time: a stall it asks for runs out now
  }

  void run(const Args& a, const std::string&) {
    double ms = json_number(parse_value(a[0]));
    if (ms < 0 || ms > kMaxRunMs)
      throw PathError{"run takes 0 to " + std::to_string(static_cast<long>(kMaxRunMs)) +
                      " ms, got " + excerpt(a[0])};
    session_.run_for(ms);
  }

  // A new game at this speed; before show, the speed the game starts at.
  void speed(const Args& a, const std::string&) {
    const auto percent = static_cast<int>(json_integer(parse_value(a[0]), 0, 100));
    if (!session_.set_speed(percent))
      throw PathError{"a speed is 100, 85 or 70 percent, not " + excerpt(a[0])};
  }

  void set_cmd(const Args&, const std::string& rest) {
    auto space = rest.find_first_of(" \t");
    const std::string path = rest.substr(0, space);
    const json value = parse_value(trim(rest.substr(space)));
    // Written from outside a handler: interval writes take effect as a handler's would.
    std::optional<PathError> refused;
    session_.edit([&](game::GameState& state, scene::Scene* ui) {
      try {
        set_path(session_, path, value, state, ui);
      } catch (const PathError& e) {
        refused = e;
      }
    });
    if (refused) throw *refused;
  }

  void get_cmd(const Args& a, const std::string&) {
    out_ << get_path(session_, a[0]).dump() << '\n';
  }

  void dump_cmd(const Args&, const std::string&) { out_ << dump_all(session_).dump() << '\n'; }

  // The cues made since the last `cues`; a brick hit carries the hits left.
  void cues_cmd(const Args&, const std::string&) {
    json a = json::array();
    for (const auto& [c, value] : session_.take_cues())
      a.push_back(c == game::Cue::brick ? std::string("brick:") + std::to_string(value)
                                        : std::string(game::cue_name(c)));
    out_ << a.dump() << '\n';
  }

 private:
  // The seed Randomize gets until a script says `seed`.
  static constexpr std::uint32_t kFirstSeed = 1;

  std::ostream& out_;
  game::Session session_;
};

const std::vector<Command>& Interpreter::commands() {
  using I = Interpreter;
  static const std::vector<Command> table = {
      {"seed", "seed N (the seed Randomize uses; default 1)", 1, 1, false, &I::seed},
      {"rnd", "rnd V1 V2 ... (values in [0, 1) for the next draws)", 1, SIZE_MAX, false, &I::rnd},
      {"show", "show (create the window: Form_Load runs)", 0, 0, false, &I::show},
      {"boards",
       "boards FILE|NAME (play a board file's or a shipped set's boards; after show, a new game "
       "on them)",
       1, SIZE_MAX, false, &I::boards},
      {"speed", "speed 100|85|70 (the game speed in percent; after show, a new game at it)", 1, 1,
       false, &I::speed},
      {"replay", "replay FILE (play a recording of the window's from the start)", 1, SIZE_MAX,
       false, &I::replay},
      {"keydown", "keydown CODE [SHIFT]", 1, 2, true, &I::keydown},
      {"keyup", "keyup CODE [SHIFT]", 1, 2, true, &I::keyup},
      {"click", "click pause|nextlevel|gameover", 1, 1, true, &I::click},
      {"tick", "tick Timer1|Timer2|Timer3 (run its handler once, now)", 1, 1, true, &I::tick},
      {"run", "run MS (let MS ms of virtual time pass)", 1, 1, true, &I::run},
      {"set", "set PATH VALUE (VALUE is JSON)", 2, SIZE_MAX, false, &I::set_cmd},
      {"get", "get PATH (print one JSON value)", 1, 1, false, &I::get_cmd},
      {"dump", "dump (print the state, the elements and the clock as JSON)", 0, 0, true,
       &I::dump_cmd},
      {"cues", "cues (print the sound cues made since the last cues, as JSON)", 0, 0, false,
       &I::cues_cmd},
  };
  return table;
}

}  // namespace

std::string command_help() {
  std::string text;
  for (const auto& c : Interpreter::commands()) text += "  " + std::string(c.usage) + "\n";
  return text;
}

int run_script(std::istream& in, std::ostream& out, std::ostream& err) {
  Interpreter interp(out);
  std::string line;
  long number = 0;
  while (std::getline(in, line)) {
    ++number;
    std::string text = trim(strip_comment(line));
    if (text.empty()) continue;
    try {
      interp.execute(text);
    } catch (const PathError& e) {
      err << "line " << number << ": " << e.what << '\n';
      return 2;
    } catch (const std::exception& e) {
      err << "line " << number << ": " << quote(e.what()) << '\n';
      return 2;
    }
    // Output that cannot be written is a failure, not a quiet success.
    if (!out) break;
  }
  out.flush();
  if (!out) {
    err << "zandovik-script: cannot write the output\n";
    return 1;
  }
  if (in.bad()) {
    err << "zandovik-script: cannot read the script\n";
    return 1;
  }
  return 0;
}

}  // namespace zandovik::tools
