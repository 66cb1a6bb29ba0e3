#pragma once
// The design's fonts drawn with the free faces installed.
#include <QFont>
#include <string>
#include <vector>

#include "app/present/viewport.h"

namespace zandovik::app {

// Free faces used for the design's font names; see docs/fonts.md.
void install_font_substitutes();
// One warning for each design font of which no face is installed, naming the
// face drawn instead. Lists every installed family: not before the first frame.
std::vector<std::string> missing_font_warnings();
// The design's family if installed, else its first installed stand-in, else
// the design's (the toolkit's own fallback then chooses).
QString installed_family(const std::string& family);
QFont scene_font(const scene::Font& f, const Viewport& vp);

}  // namespace zandovik::app
