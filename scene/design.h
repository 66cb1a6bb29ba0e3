#pragma once
// The design of the window: every element at creation, front to back.
#include <vector>

#include "scene/element.h"

namespace zandovik::scene {

// One row per element, in stacking order from front to back.
std::vector<Element> design_table();

}  // namespace zandovik::scene
