// Where board sets are found: the shipped ones, the player's own, and a
// name on the command line turned into a file's path.
#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "game/boards.h"
#include "game/names.h"

#ifndef ZANDOVIK_BOARDS_DIR
#define ZANDOVIK_BOARDS_DIR "/usr/share/games/zandovik/boards"
#endif

namespace zandovik::game {

std::string boards_path(const std::string& name_or_path, const std::string& build_dir) {
  const std::string& name = name_or_path;
  const bool bare = !name.empty() && name != "." && name != ".." &&
                    name.find('/') == std::string::npos &&
                    !(name.size() > 7 && name.compare(name.size() - 7, 7, ".boards") == 0);
  if (!bare) return name;
  for (const ShippedSet& set : shipped_board_sets(build_dir))
    if (set.name == name) return set.path;
  // Then the player's own sets.
  std::error_code ec;
  const std::string mine = player_boards_dir() + "/" + name + ".boards";
  if (std::filesystem::exists(mine, ec)) return mine;
  // Never a stray file of the folder the game was started in: a file is
  // named as one, with a '/' or its .boards.
  std::string why = "no shipped set named " + printable_name(name);
  if (std::filesystem::exists(name, ec))
    why += " (for the file of that name, say " + printable_name("./" + name) + ")";
  throw BoardError(why, 0, why);
}

std::string player_boards_dir() {
  // As the toolkit finds its data folder: XDG_DATA_HOME when it is an
  // absolute path, else ~/.local/share.
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && data[0] == '/') return std::string(data) + "/zandovik/boards";
  const char* home = std::getenv("HOME");
  return std::string(home ? home : "") + "/.local/share/zandovik/boards";
}

std::vector<ShippedSet> shipped_board_sets(const std::string& build_dir) {
  std::vector<ShippedSet> sets;
  std::vector<std::string> dirs;
  if (!build_dir.empty()) dirs.push_back(build_dir + "/boards");
  dirs.push_back(installed_boards_dir());
  for (const std::string& dir : dirs) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
      const auto& p = it->path();
      if (p.extension() != ".boards" || p.stem().empty() || !it->is_regular_file(ec)) continue;
      const std::string name = p.stem().string();
      const bool seen = std::any_of(sets.begin(), sets.end(),
                                    [&](const ShippedSet& s) { return s.name == name; });
      if (!seen) sets.push_back({name, p.string()});
    }
  }
  std::sort(sets.begin(), sets.end(),
            [](const ShippedSet& a, const ShippedSet& b) { return a.name < b.name; });
  return sets;
}

std::string installed_boards_dir() {
  return ZANDOVIK_BOARDS_DIR;
}

std::string executable_dir() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.parent_path().string();
}

}  // namespace zandovik::game
