#pragma once
// The options the game keeps once the player asks it to (Keep on), in
// $XDG_CONFIG_HOME/zandovik/zandovik.conf. The file passes our own careful
// reader (a plain file, a size cap, well-formed lines, a version we know)
// before QSettings, which would open a FIFO or read any size, sees it.
#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zandovik::app::store {

inline constexpr int kConfigVersion = 1;
inline constexpr std::size_t kMaxConfigBytes = 16u << 10;

struct Options {
  bool keep = false;
  bool sound = true;
  bool full_screen = false;
  bool smooth = true;  // frames between the ticks
  int speed = 100;     // percent: 100, 85 or 70
  QString boards;      // the set in play: empty for the built-in patterns
  bool operator==(const Options&) const = default;
};

// Why the text cannot be a config of ours ("line N: ..."), or nothing.
std::optional<std::string> config_problem(std::string_view text);

struct Loaded {
  Options options;      // defaults unless a good file said otherwise
  bool exists = false;  // a file is there, good or not
  QString problem;      // one line naming the file and what is wrong, or empty
};
// Reads the config at `path`; never fails: a bad file gives defaults and a
// problem, and is left as it is.
Loaded load_options(const QString& path);
// Writes every option (Keep on). A bad file there is replaced whole. False,
// with a line in `error`, if it could not be written.
bool save_options(const QString& path, const Options& options, QString* error);

}  // namespace zandovik::app::store
