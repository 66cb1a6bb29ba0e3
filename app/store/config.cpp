#include "app/store/config.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <algorithm>
#include <charconv>

#include "game/plain_file.h"

namespace zandovik::app::store {

namespace {

bool key_char(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '/' || c == '%' || c == '.' || c == '-';
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

}  // namespace

std::optional<std::string> config_problem(std::string_view text) {
  std::size_t number = 0;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++number;
    const auto at = [&](const std::string& what) {
      return "line " + std::to_string(number) + ": " + what;
    };
    if (line.find('\0') != std::string_view::npos) return at("a NUL byte: not a text file");
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      if (line.back() != ']' || line.size() < 3) return at("a section is [NAME]");
      continue;
    }
    const auto eq = line.find('=');
    const std::string_view key = trim(line.substr(0, eq));
    if (eq == std::string_view::npos || key.empty() ||
        !std::all_of(key.begin(), key.end(), key_char))
      return at("not KEY=VALUE");
    if (key == "version") {
      const std::string_view value = trim(line.substr(eq + 1));
      int v = 0;
      const auto [p, ec] = std::from_chars(value.data(), value.data() + value.size(), v);
      if (ec != std::errc() || p != value.data() + value.size() || v < 1)
        return at("the version is a whole number");
      if (v > kConfigVersion)
        return at("written by a newer zandovik (version " + std::to_string(v) + ")");
    }
  }
  return std::nullopt;
}

Loaded load_options(const QString& path) {
  Loaded out;
  const std::string where = path.toStdString();
  std::string text;
  try {
    text = game::read_plain_file(where, kMaxConfigBytes, "a zandovik config");
  } catch (const game::PlainFileError& e) {
    out.exists = QFileInfo(path).exists() || QFileInfo(path).isSymLink();
    if (out.exists) out.problem = QString::fromStdString(e.what());
    return out;
  }
  out.exists = true;
  if (auto why = config_problem(text)) {
    out.problem = QString::fromStdString(where + ": " + *why);
    return out;
  }
  const QSettings s(path, QSettings::IniFormat);
  Options& o = out.options;
  o.keep = s.value("keep", false).toBool();
  o.sound = s.value("sound", o.sound).toBool();
  o.full_screen = s.value("full_screen", o.full_screen).toBool();
  o.smooth = s.value("smooth_motion", o.smooth).toBool();
  const int speed = s.value("speed", o.speed).toInt();
  if (speed == 100 || speed == 85 || speed == 70) o.speed = speed;
  o.boards = s.value("boards").toString();
  return out;
}

bool save_options(const QString& path, const Options& o, QString* error) {
  const auto fail = [&](const QString& why) {
    if (error) *error = path + ": " + why;
    return false;
  };
  if (!QDir().mkpath(QFileInfo(path).absolutePath()))
    return fail(QCoreApplication::translate("Store", "cannot make its folder"));
  // QSettings merges with what is there: a file our reader refuses is
  // first replaced whole, so QSettings never opens it.
  if (!load_options(path).problem.isEmpty()) {
    QSaveFile fresh(path);
    if (!fresh.open(QIODevice::WriteOnly) || fresh.write("[General]\n") < 0 || !fresh.commit())
      return fail(fresh.errorString());
  }
  // QSettings writes through a QSaveFile of its own, under its lock file.
  QSettings s(path, QSettings::IniFormat);
  s.setValue("version", kConfigVersion);
  s.setValue("keep", o.keep);
  s.setValue("sound", o.sound);
  s.setValue("full_screen", o.full_screen);
  s.setValue("smooth_motion", o.smooth);
  s.setValue("speed", o.speed);
  s.setValue("boards", o.boards);
  s.sync();
  if (s.status() != QSettings::NoError)
    return fail(QCoreApplication::translate("Store", "cannot be written"));
  return true;
}

}  // namespace zandovik::app::store
