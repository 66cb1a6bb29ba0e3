#pragma once
// The player's language: the game's catalogue and Qt's own, chosen by the
// player's preferred languages (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG).
#include <QString>
#include <QTranslator>

namespace zandovik::app {

class Language {
 public:
  // Loads both catalogues; a language without one is English.
  Language();
  Language(const Language&) = delete;
  Language& operator=(const Language&) = delete;
  // From now on every tr() of the application is answered from them.
  void install();
  // `text` of `context` in the player's language, asked of the game's
  // catalogue itself: it answers before the application exists too.
  QString text(const char* context, const char* text) const;

 private:
  QTranslator game_;
  QTranslator qt_;
};

}  // namespace zandovik::app
