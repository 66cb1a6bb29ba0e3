#include "app/present/fonts.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>

namespace zandovik::app {

namespace {

// Metric-compatible faces first, then faces of the same character.
const std::vector<std::pair<QString, QStringList>>& font_faces() {
  static const std::vector<std::pair<QString, QStringList>> faces = {
      {"Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
      {"Times New Roman", {"Liberation Serif", "Tinos", "DejaVu Serif"}},
      {"Impact", {"Liberation Sans Narrow", "DejaVu Sans Condensed", "DejaVu Sans"}},
      {"Lucida Handwriting", {"Dancing Script", "DejaVu Serif"}},
      {"MS Song", {"AR PL UMing CN", "AR PL UMing TW", "DejaVu Serif"}},
  };
  return faces;
}

}  // namespace

void install_font_substitutes() {
  for (const auto& [family, substitutes] : font_faces())
    QFont::insertSubstitutions(family, substitutes);
}

std::vector<std::string> missing_font_warnings() {
  std::vector<std::string> warnings;
  const QStringList installed = QFontDatabase::families();
  if (installed.isEmpty())
    return {QCoreApplication::translate(
                "fonts",
                "no fonts are installed at all, so no text can be drawn (install fonts-liberation)")
                .toStdString()};
  for (const auto& [family, substitutes] : font_faces()) {
    bool any = installed.contains(family, Qt::CaseInsensitive);
    for (const QString& s : substitutes) any = any || installed.contains(s, Qt::CaseInsensitive);
    if (!any) {
      // What the font configuration matches for it: the face drawn instead.
      QString used = QFontInfo(QFont(family)).family();
      if (used.isEmpty()) used = QFontInfo(QFont(installed.first())).family();
      if (used.isEmpty()) used = installed.first();
      //: %1 is a font family the board is drawn in, %2 the free fonts that
      //: stand in for it, %3 the one drawn instead.
      warnings.push_back(
          QCoreApplication::translate(
              "fonts", "font \"%1\" and its free stand-ins (%2) are not installed; using \"%3\"")
              .arg(family, substitutes.join(QStringLiteral(", ")), used)
              .toStdString());
    }
  }
  return warnings;
}

QString installed_family(const std::string& family) {
  // Asked for a family it does not have, the toolkit sorts every installed
  // face for a fallback: a few milliseconds of the first frame for each.
  static std::map<std::string, QString> found;
  if (auto it = found.find(family); it != found.end()) return it->second;
  const QString name = QString::fromStdString(family);
  QString use = name;
  const QStringList installed = QFontDatabase::families();
  if (!installed.contains(name, Qt::CaseInsensitive)) {
    for (const auto& [design, substitutes] : font_faces()) {
      if (design.compare(name, Qt::CaseInsensitive) != 0) continue;
      const auto s = std::find_if(substitutes.begin(), substitutes.end(), [&](const QString& f) {
        return installed.contains(f, Qt::CaseInsensitive);
      });
      if (s != substitutes.end()) use = *s;
    }
  }
  return found.emplace(family, use).first->second;
}

QFont scene_font(const scene::Font& f, const Viewport& vp) {
  QFont font(installed_family(f.family));
  font.setBold(f.bold);
  font.setPixelSize(
      std::max(1, static_cast<int>(std::lround(f.size_pt * kTwipsPerPoint * vp.scale))));
  font.setHintingPreference(QFont::PreferFullHinting);
  // Every caption is plain ASCII: no fallback fonts to look up or merge.
  font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
  return font;
}

}  // namespace zandovik::app
