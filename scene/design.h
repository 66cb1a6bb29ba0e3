#pragma once
// The design of the window: every element at creation, front to back.
#include <vector>

#include "scene/element.h"

namespace zandovik::scene {

// The timers' design intervals in ms: both play timers tick together every
// 25 ms; the logo's timer every 50 ms and never stops.
inline constexpr int kPlayInterval = 25;
inline constexpr int kLogoInterval = 50;

// One row per element, in stacking order from front to back.
std::vector<Element> design_table();

}  // namespace zandovik::scene
