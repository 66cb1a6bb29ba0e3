#pragma once
// Words the player reads, kept in plain C++ code: marked here for the
// translators (lupdate reads ZANDOVIK_WORDS as Qt's QT_TRANSLATE_NOOP, and
// a //: line before it as the translators' note) and put in the player's
// language where they are said (app/shell/language.h).
#define ZANDOVIK_WORDS(context, text) text
