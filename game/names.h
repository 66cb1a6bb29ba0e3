#pragma once
// A file's name as a message prints it. Most names go as they are; one
// holding a control character (a newline would split the one-line message,
// an escape sequence would reach the terminal), a bidi control (it would
// reorder the line), bytes that are not UTF-8, or a quote or a backslash is
// put in double quotes with C escapes, as git prints such names:
//   "mine\n.boards"   "\033[2Jmine.boards"
#include <algorithm>
#include <string>
#include <string_view>

namespace zandovik::game {

namespace names_detail {

// The length of the UTF-8 sequence at s[i] and its code point, or 0.
inline std::size_t decode(std::string_view s, std::size_t i, char32_t& cp) {
  const auto at = [&](std::size_t k) {
    return k < s.size() ? static_cast<unsigned char>(s[k]) : 0u;
  };
  const unsigned c = at(i);
  if (c < 0x80) {
    cp = c;
    return 1;
  }
  std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
  if (n == 0 || c > 0xF4) return 0;
  cp = c & (0xFFu >> (n + 1));
  for (std::size_t k = 1; k < n; ++k) {
    if ((at(i + k) & 0xC0u) != 0x80u) return 0;
    cp = (cp << 6) | (at(i + k) & 0x3Fu);
  }
  const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < least[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

inline bool shown_as_is(char32_t cp) {
  const bool control = cp < 0x20 || (cp >= 0x7F && cp <= 0x9F);
  const bool bidi = cp == 0x061C || cp == 0x200E || cp == 0x200F ||
                    (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069);
  return !control && !bidi && cp != '"' && cp != '\\';
}

}  // namespace names_detail

inline std::string printable_name(std::string_view name) {
  using names_detail::decode;
  std::string out = "\"";
  bool plain = true;
  for (std::size_t i = 0; i < name.size();) {
    char32_t cp = 0;
    const std::size_t n = decode(name, i, cp);
    if (n > 0 && names_detail::shown_as_is(cp)) {
      out.append(name.substr(i, n));
      i += n;
      continue;
    }
    plain = false;
    static constexpr std::string_view kNamed = "\a\b\t\n\v\f\r\"\\", kLetters = "abtnvfr\"\\";
    const std::size_t named = n == 1 ? kNamed.find(name[i]) : std::string_view::npos;
    if (named != std::string_view::npos) {
      out += '\\';
      out += kLetters[named];
    } else {
      for (std::size_t k = 0; k < std::max<std::size_t>(n, 1); ++k) {
        const auto b = static_cast<unsigned char>(name[i + k]);
        out += {'\\', static_cast<char>('0' + (b >> 6)), static_cast<char>('0' + ((b >> 3) & 7)),
                static_cast<char>('0' + (b & 7))};
      }
    }
    i += std::max<std::size_t>(n, 1);
  }
  return plain ? std::string(name) : out + "\"";
}

}  // namespace zandovik::game
