#include "game/best.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "game/plain_file.h"
#include "game/rules.h"
#include "game/session.h"

namespace zandovik::game {

namespace {

constexpr std::size_t kFields = 5;
// Scores and levels fit a 64-bit field with room to spare.
constexpr std::size_t kMaxDigits = 18;

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// Code points of valid UTF-8 with no control characters, or nothing.
std::optional<std::size_t> printable_characters(std::string_view s) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < s.size(); ++count) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80                 ? 1
                    : c >= 0xC2 && c <= 0xDF ? 2
                    : c >= 0xE0 && c <= 0xEF ? 3
                    : c >= 0xF0 && c <= 0xF4 ? 4
                                             : 0;
    if (n == 0 || i + n > s.size()) return std::nullopt;
    for (std::size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return std::nullopt;
    const auto c2 = n > 1 ? static_cast<unsigned char>(s[i + 1]) : 0u;
    // Overlong forms, surrogates and beyond U+10FFFF are not text.
    if ((c == 0xE0 && c2 < 0xA0) || (c == 0xED && c2 > 0x9F) || (c == 0xF0 && c2 < 0x90) ||
        (c == 0xF4 && c2 > 0x8F))
      return std::nullopt;
    if (c < 0x20 || c == 0x7F || (c == 0xC2 && c2 < 0xA0)) return std::nullopt;
    i += n;
  }
  return count;
}

std::optional<std::int64_t> whole_number(std::string_view s) {
  if (s.empty() || s.size() > kMaxDigits || !std::all_of(s.begin(), s.end(), is_digit))
    return std::nullopt;
  std::int64_t v = 0;
  std::from_chars(s.data(), s.data() + s.size(), v);
  return v;
}

std::vector<std::string_view> split(std::string_view s, char sep) {
  std::vector<std::string_view> out;
  for (;;) {
    const auto at = s.find(sep);
    out.push_back(s.substr(0, at));
    if (at == std::string_view::npos) return out;
    s.remove_prefix(at + 1);
  }
}

struct LineError {
  std::string what;
};

BestEntry parse_entry(std::string_view line) {
  const auto fields = split(line, '\t');
  if (fields.size() != kFields)
    throw LineError{
        "a game is 5 fields separated by tabs (score, level, date and time, name, "
        "recording); this line has " +
        std::to_string(fields.size())};
  BestEntry e;
  const auto score = whole_number(fields[0]);
  if (!score || *score == 0) throw LineError{"the score is a whole number above 0"};
  const auto level = whole_number(fields[1]);
  if (!level) throw LineError{"the level is a whole number"};
  e.score = *score;
  e.level = *level;
  e.when = std::string(fields[2]);
  e.name = std::string(fields[3]);
  e.recording = std::string(fields[4]);
  if (auto why = when_problem(e.when)) throw LineError{*why};
  if (auto why = player_name_problem(e.name)) throw LineError{*why};
  if (auto why = recording_name_problem(e.recording)) throw LineError{*why};
  return e;
}

}  // namespace

std::optional<std::string> player_name_problem(std::string_view name) {
  const auto length = printable_characters(name);
  if (!length) return "a player's name is UTF-8 text without control characters";
  if (*length == 0) return "a player's name is not empty";
  if (*length > kMaxPlayerName)
    return "a player's name is at most " + std::to_string(kMaxPlayerName) + " characters";
  return std::nullopt;
}

std::optional<std::string> recording_name_problem(std::string_view name) {
  const bool plain = std::all_of(name.begin(), name.end(), [](char c) {
    return is_digit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' ||
           c == '_' || c == '.';
  });
  if (name.size() <= 4 || name.size() > kMaxRecordingName || !plain || name.front() == '.' ||
      !name.ends_with(".rec"))
    return "a recording is a file name in the table's folder ending in .rec (letters, digits, "
           "'-', '_', '.')";
  return std::nullopt;
}

std::optional<std::string> when_problem(std::string_view when) {
  // YYYY-MM-DDTHH:MM:SS then Z or +HH:MM / -HH:MM.
  static constexpr std::string_view kShape = "dddd-dd-ddTdd:dd:dd";
  const auto fits = [](std::string_view s, std::string_view shape) {
    if (s.size() != shape.size()) return false;
    for (std::size_t i = 0; i < s.size(); ++i)
      if (shape[i] == 'd' ? !is_digit(s[i]) : s[i] != shape[i]) return false;
    return true;
  };
  const bool ok =
      when.size() >= kShape.size() && fits(when.substr(0, kShape.size()), kShape) &&
      (when.substr(kShape.size()) == "Z" || fits(when.substr(kShape.size()), "+dd:dd") ||
       fits(when.substr(kShape.size()), "-dd:dd"));
  if (!ok) return "the date and time is ISO 8601, as 2026-12-09T21:40:05+01:00";
  return std::nullopt;
}

BestTable parse_best(std::string_view text, const std::string& where) {
  BestTable table;
  std::map<std::string, std::size_t> recordings;  // and the line that lists each
  std::size_t number = 0;
  bool header = false;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto fail = [&](const std::string& what) {
      return BestError(where + ": line " + std::to_string(number) + ": " + what);
    };
    if (!header) {
      if (line != kBestMagic)
        throw fail(std::string("not a best-games table: the first line is not '") + kBestMagic +
                   "'");
      header = true;
      continue;
    }
    if (line.empty() || line.front() == '#') continue;
    try {
      BestEntry e = parse_entry(line);
      if (table.entries.size() == kBestPlaces)
        throw LineError{"a table holds at most " + std::to_string(kBestPlaces) + " games"};
      const auto [at, fresh] = recordings.emplace(e.recording, number);
      if (!fresh)
        throw LineError{"the recording " + e.recording + " is listed already on line " +
                        std::to_string(at->second)};
      table.entries.push_back(std::move(e));
    } catch (const LineError& e) {
      throw fail(e.what);
    }
  }
  if (!header) throw BestError(where + ": empty, so not a best-games table");
  // Ranked by score whatever order the file gives.
  std::stable_sort(table.entries.begin(), table.entries.end(),
                   [](const BestEntry& a, const BestEntry& b) { return a.score > b.score; });
  return table;
}

BestTable read_best(const std::string& path) {
  try {
    return parse_best(read_plain_file(path, kMaxBestFileBytes, "a best-games table"), path);
  } catch (const PlainFileError& e) {
    throw BestError(e.what());
  }
}

std::string format_best(const BestTable& table) {
  std::string out = std::string(kBestMagic) + "\n";
  for (const BestEntry& e : table.entries)
    out += std::to_string(e.score) + '\t' + std::to_string(e.level) + '\t' + e.when + '\t' +
           e.name + '\t' + e.recording + '\n';
  return out;
}

bool would_enter(const BestTable& table, std::int64_t score) {
  if (score <= 0) return false;
  return table.entries.size() < kBestPlaces || table.entries.back().score < score;
}

std::optional<std::size_t> enter_best(BestTable& table, const BestEntry& game,
                                      std::vector<BestEntry>* dropped) {
  if (!would_enter(table, game.score)) return std::nullopt;
  auto& list = table.entries;
  const auto at = std::find_if(list.begin(), list.end(),
                               [&](const BestEntry& e) { return e.score < game.score; });
  const auto rank = static_cast<std::size_t>(at - list.begin()) + 1;
  list.insert(at, game);
  while (list.size() > kBestPlaces) {
    if (dropped) dropped->push_back(std::move(list.back()));
    list.pop_back();
  }
  return rank;
}

Proof verify_entry(const BestEntry& entry, const std::string& folder) {
  if (auto why = recording_name_problem(entry.recording)) return {false, *why};
  // Virtual time: a replay asks for no seed of its own.
  Session session(nullptr, [] { return 0u; });
  if (auto refused = session.replay(folder + "/" + entry.recording)) return {false, *refused};
  const auto outcome = session.replay_all();
  if (!outcome.matched) return {false, outcome.text};
  const auto& s = session.state();
  if (s.points != entry.score || s.levelnum != entry.level)
    return {false, "the recording ends with score " + std::to_string(s.points) + " at level " +
                       std::to_string(s.levelnum)};
  return {true, {}};
}

std::optional<Finished> GameEnds::now(const GameState& s) {
  if (s.points == 0) ended_ = false;
  if (ended_ || s.points <= 0) return std::nullopt;
  ended_ = true;
  return Finished{s.points, s.levelnum};
}

std::optional<Finished> GameEnds::before(const Input& in, const GameState& s) {
  const bool clears = in.kind == Input::Kind::key_down && (in.code == kKeyF1 || in.code == kKeyF2);
  return clears ? now(s) : std::nullopt;
}

std::optional<Finished> GameEnds::after(const GameState& s, const scene::Scene& ui) {
  if (s.points == 0) ended_ = false;
  return ui.get(scene::Named::gameover).visible ? now(s) : std::nullopt;
}

}  // namespace zandovik::game
