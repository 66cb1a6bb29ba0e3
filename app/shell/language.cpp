#include "app/shell/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace zandovik::app {

namespace {

// The first of the player's preferred languages that has a catalogue, as
// QTranslator::load(QLocale(), ...) looks for it, except that English ends
// the search: English is the words themselves, so "en_GB:de" stays English
// instead of falling through to German. So does the C locale, which asks for
// the program's own words.
template <typename Dir>
void load(QTranslator& translator, const char* name, Dir dir) {
  for (const QString& wanted : QLocale().uiLanguages()) {
    const QLocale language(wanted);
    if (language.language() == QLocale::English || language.language() == QLocale::C) return;
    if (translator.load(language, QLatin1String(name), QStringLiteral("_"), dir())) return;
  }
}

}  // namespace

Language::Language() {
  // The game's catalogues are built into the program, so a build runs as
  // installed.
  load(game_, "zandovik", [] { return QStringLiteral(":/i18n"); });
  // Qt's dialogs and buttons, where Debian's catalogue is installed (asked
  // only when a catalogue is wanted: finding Qt's folders takes a while).
  load(qt_, "qtbase", [] { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); });
}

void Language::install() {
  if (!qt_.isEmpty()) QCoreApplication::installTranslator(&qt_);
  if (!game_.isEmpty()) QCoreApplication::installTranslator(&game_);
}

QString Language::text(const char* context, const char* text) const {
  const QString t = game_.translate(context, text);
  return t.isEmpty() ? QString::fromUtf8(text) : t;
}

}  // namespace zandovik::app
