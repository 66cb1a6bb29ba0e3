#include "game/boards.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>

#include "game/names.h"

namespace zandovik::game {

namespace {

constexpr std::string_view kBlanks = " \t\r";
constexpr std::size_t kRowLength = kColumns;
constexpr const char* kEmptyRow = "00000000000000000000";
static_assert(std::char_traits<char>::length(kEmptyRow) == kRowLength);

std::string_view trim(std::string_view s) {
  const auto first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// The length of the UTF-8 sequence that starts at s[i], or 0 if none does:
// no overlong forms, no surrogates, nothing past U+10FFFF.
std::size_t utf8_length(std::string_view s, std::size_t i) {
  const auto byte = [&](std::size_t k) -> unsigned {
    return k < s.size() ? static_cast<unsigned char>(s[k]) : 0u;
  };
  const unsigned c = byte(i);
  if (c < 0x80) return 1;
  std::size_t n = 0;
  unsigned lo = 0x80, hi = 0xBF;  // the second byte's range
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    if (c == 0xE0) lo = 0xA0;
    if (c == 0xED) hi = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    if (c == 0xF0) lo = 0x90;
    if (c == 0xF4) hi = 0x8F;
  } else {
    return 0;
  }
  for (std::size_t k = 1; k < n; ++k) {
    const unsigned b = byte(i + k);
    if (b < (k == 1 ? lo : 0x80u) || b > (k == 1 ? hi : 0xBFu)) return 0;
  }
  return n;
}

// Characters (code points) in valid UTF-8, or nothing if it is not valid.
std::optional<std::size_t> characters(std::string_view s) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < s.size(); ++count) {
    const std::size_t n = utf8_length(s, i);
    if (n == 0) return std::nullopt;
    i += n;
  }
  return count;
}

// A line quoted in a message: short, whole characters, no control bytes.
std::string excerpt(std::string_view s) {
  constexpr std::size_t kShown = 32;
  std::string out;
  std::size_t i = 0, shown = 0;
  for (; i < s.size() && shown < kShown; ++shown) {
    const std::size_t n = std::max<std::size_t>(utf8_length(s, i), 1);
    const auto c = static_cast<unsigned char>(s[i]);
    out += (n == 1 && (c < 0x20 || c >= 0x7F)) ? std::string("?") : std::string(s.substr(i, n));
    i += n;
  }
  return "'" + out + (i < s.size() ? "...'" : "'");
}

std::string label(std::size_t number, const Board& b) {
  return "board " + std::to_string(number) + (b.name.empty() ? "" : " \"" + b.name + "\"");
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

std::optional<std::string> row_problem(std::string_view row) {
  if (row.size() != kRowLength || !std::all_of(row.begin(), row.end(), is_digit))
    return "a row is " + kRowDigits + " 0 to 9";
  return std::nullopt;
}

bool has_breakable(const Board& b) {
  return std::any_of(b.rows.begin(), b.rows.end(), [](const std::string& row) {
    return row.find_first_of("12345678") != std::string::npos;
  });
}

// Where a line of the file went wrong: what is said about it.
struct LineError {
  std::size_t line;
  std::string what;
};

// A row as the file gives it: the first thing wrong with it.
std::optional<std::string> file_row_problem(std::string_view row) {
  const std::size_t length = characters(row).value_or(row.size());
  if (length != kRowLength)
    return "a row is " + kRowDigits + " 0 to 9; this one has " + std::to_string(length) +
           (length == 1 ? " character" : " characters");
  for (std::size_t x = 0; x < row.size(); ++x)
    if (!is_digit(row[x]))
      return "a row is " + kRowDigits + " 0 to 9; character " + std::to_string(x + 1) + " is " +
             excerpt(row.substr(x, std::max<std::size_t>(utf8_length(row, x), 1)));
  return std::nullopt;
}

class Parser {
 public:
  void line(std::size_t number, std::string_view raw) {
    number_ = number;
    if (!characters(raw)) fail("not valid UTF-8 text");
    const std::string_view text = trim(raw);
    if (number == 1) return magic(text);
    if (text.empty() || text.front() == '#') return;
    if (text.substr(0, 5) == "board" && (text.size() == 5 || text[5] == ' ' || text[5] == '\t'))
      return board(trim(text.substr(5)));
    if (is_digit(text.front())) return row(text);
    fail("expected a row of " + kRowDigits + ", a 'board' line or a comment, not " + excerpt(text));
  }

  BoardSet finish() {
    if (set_.boards.empty()) fail("the file ends without a board: it needs " + kBoardsRange);
    close_board();
    return std::move(set_);
  }

 private:
  [[noreturn]] void fail(const std::string& what) const { throw LineError{number_, what}; }

  void magic(std::string_view text) {
    if (text == kBoardsMagic) return;
    if (text.substr(0, 15) == "zandovik-boards")
      fail("a board file of another version: this game reads '" + std::string(kBoardsMagic) + "'");
    fail("not a board file: the first line must be '" + std::string(kBoardsMagic) + "'");
  }

  void board(std::string_view name) {
    if (!set_.boards.empty()) close_board();
    if (set_.boards.size() == static_cast<std::size_t>(kMaxBoards))
      fail("a board more than the " + std::to_string(kMaxBoards) + " a file may hold");
    if (auto why = name_problem(name)) fail(*why);
    set_.boards.emplace_back().name = std::string(name);
    board_line_ = number_;
    rows_ = 0;
  }

  void row(std::string_view text) {
    if (set_.boards.empty()) fail("a row before the first 'board' line");
    if (auto why = file_row_problem(text)) fail(*why);
    Board& b = set_.boards.back();
    if (rows_ == kPatternRowsUsed)
      fail(label(set_.boards.size(), b) + " has an 11th row: a board has at most 10");
    b.rows[rows_++] = std::string(text);
  }

  // A board is whole when the next begins or the file ends.
  void close_board() {
    const Board& b = set_.boards.back();
    if (rows_ == 0) throw LineError{board_line_, label(set_.boards.size(), b) + " has no row"};
    if (auto why = board_problem(b))
      throw LineError{board_line_, label(set_.boards.size(), b) + ": " + *why};
  }

  BoardSet set_;
  std::size_t number_ = 0, board_line_ = 0;
  int rows_ = 0;
};

}  // namespace

Board::Board() {
  rows.fill(kEmptyRow);
}

BoardSet parse_boards(std::string_view text, const std::string& where) {
  std::size_t number = 0;
  // Old Mac files end their lines in CR alone; a CR elsewhere is only a
  // blank at the end of a line.
  const char eol =
      text.find('\n') == std::string_view::npos && text.find('\r') != text.npos ? '\r' : '\n';
  try {
    if (text.size() > kMaxBoardFileBytes) {
      number = 1 + static_cast<std::size_t>(
                       std::count(text.begin(), text.begin() + kMaxBoardFileBytes, eol));
      throw LineError{number,
                      "the file goes on past " + kBoardFileSize + ", more than any board file"};
    }
    Parser parser;
    // A byte-order mark, as some editors on other systems begin UTF-8 with.
    std::size_t pos = text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    do {
      const std::size_t end = std::min(text.find(eol, pos), text.size());
      parser.line(++number, text.substr(pos, end - pos));
      pos = end + 1;
    } while (pos < text.size());
    return parser.finish();
  } catch (const LineError& e) {
    throw BoardError(printable_name(where) + ": line " + std::to_string(e.line) + ": " + e.what,
                     e.line, e.what);
  }
}

BoardSet read_boards(const std::string& path) {
  const auto fail = [&](const std::string& what) {
    return BoardError(printable_name(path) + ": " + what, 0, what);
  };
  const auto unreadable = [&](const char* doing) {
    BoardError e = fail(std::string(doing) + ": " + std::strerror(errno));
    e.unreadable = true;
    return e;
  };
  // Opened without waiting, so a pipe with no writer cannot hold the game;
  // what was opened is looked at before a byte is read.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) throw unreadable("cannot open");
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  struct stat st {};
  if (::fstat(fd, &st) != 0) throw unreadable("cannot read");
  if (S_ISDIR(st.st_mode)) throw fail("a folder, not a board file");
  if (!S_ISREG(st.st_mode)) throw fail("not a plain file, so not a board file");
  if (system_file(fd)) throw fail("a file the system makes, not a board file");
  // Still without waiting: a file that has nothing to give for a while is
  // not a board file.
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::seconds(2);
  // One byte past the budget tells a file that is too large.
  std::string text;
  char buf[1 << 16];
  while (text.size() <= kMaxBoardFileBytes) {
    const std::size_t want = std::min(sizeof buf, kMaxBoardFileBytes + 1 - text.size());
    const ssize_t got = ::read(fd, buf, want);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0 && errno == EAGAIN) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      pollfd p{fd, POLLIN, 0};
      if (left <= 0 || ::poll(&p, 1, static_cast<int>(left)) == 0)
        throw fail("gives nothing when read, so not a board file");
      continue;
    }
    if (got < 0) throw unreadable("cannot read");
    if (got == 0) break;
    text.append(buf, static_cast<std::size_t>(got));
  }
  return parse_boards(text, path);
}

bool system_file(int fd) {
  struct statfs fs {};
  return ::fstatfs(fd, &fs) == 0 && (fs.f_type == PROC_SUPER_MAGIC || fs.f_type == SYSFS_MAGIC ||
                                     fs.f_type == DEBUGFS_MAGIC || fs.f_type == TRACEFS_MAGIC);
}

std::string format_boards(const BoardSet& set) {
  std::string out = std::string(kBoardsMagic) + "\n";
  for (const Board& b : set.boards) {
    out += b.name.empty() ? "board\n" : "board " + b.name + "\n";
    // Trailing empty rows are what a file leaves out; one row always stays.
    std::size_t rows = kPatternRowsUsed;
    while (rows > 1 && b.rows[rows - 1] == kEmptyRow) --rows;
    for (std::size_t r = 0; r < rows; ++r) out += b.rows[r] + "\n";
  }
  return out;
}

namespace {

// The code point of the valid sequence of n bytes at s[i].
char32_t code_point(std::string_view s, std::size_t i, std::size_t n) {
  static constexpr unsigned kLead[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t c = static_cast<unsigned char>(s[i]) & kLead[n];
  for (std::size_t k = 1; k < n; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
  return c;
}

// Unicode's format characters (category Cf), which are not seen but change
// what is around them: a bidi override makes the list show another name
// than the file holds. The joiners U+200C and U+200D are left to the
// scripts and emoji that need them.
bool is_format_character(char32_t c) {
  static constexpr std::pair<char32_t, char32_t> kFormat[] = {
      {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},
      {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},
      {0x200B, 0x200B},   {0x200E, 0x200F},   {0x202A, 0x202E},   {0x2060, 0x2064},
      {0x2066, 0x206F},   {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD},
      {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A},
      {0xE0001, 0xE0001}, {0xE0020, 0xE007F}};
  return std::any_of(std::begin(kFormat), std::end(kFormat),
                     [c](auto r) { return c >= r.first && c <= r.second; });
}

}  // namespace

std::optional<std::string> name_problem(std::string_view name) {
  const auto length = characters(name);
  if (!length) return "a board's name is not valid UTF-8 text";
  if (*length > kMaxBoardName)
    return "a board's name is at most " + std::to_string(kMaxBoardName) +
           " characters; this one has " + std::to_string(*length);
  for (std::size_t i = 0; i < name.size(); i += utf8_length(name, i)) {
    const auto c = static_cast<unsigned char>(name[i]);
    const bool c1 = c == 0xC2 && static_cast<unsigned char>(name[i + 1]) < 0xA0;
    if (c < 0x20 || c == 0x7F || c1) return "a board's name cannot hold control characters";
    if (const char32_t cp = code_point(name, i, utf8_length(name, i)); is_format_character(cp)) {
      char hex[16];
      std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(cp));
      return std::string("a board's name cannot hold invisible format characters (") + hex +
             ", such as a direction override)";
    }
  }
  if (trim(name) != name) return "a board's name has no blanks at either end";
  return std::nullopt;
}

std::optional<std::string> board_problem(const Board& b) {
  for (std::size_t r = 0; r < b.rows.size(); ++r)
    if (auto why = row_problem(b.rows[r])) return "row " + std::to_string(r + 1) + ": " + *why;
  if (!has_breakable(b)) return "no brick of 1 to 8 to break, so it could never be finished";
  return std::nullopt;
}

std::optional<std::string> set_problem(const BoardSet& set) {
  if (set.boards.empty()) return "no board: a set holds " + kBoardsRange;
  if (set.boards.size() > static_cast<std::size_t>(kMaxBoards))
    return std::to_string(set.boards.size()) + " boards: a set holds " + kBoardsRange;
  for (std::size_t k = 0; k < set.boards.size(); ++k) {
    const Board& b = set.boards[k];
    if (auto why = name_problem(b.name)) return "board " + std::to_string(k + 1) + ": " + *why;
    if (auto why = board_problem(b)) return label(k + 1, b) + ": " + *why;
  }
  return std::nullopt;
}

}  // namespace zandovik::game
