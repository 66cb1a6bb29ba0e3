#pragma once
// Qt keys to the virtual key codes the game knows them by.
#include <Qt>

namespace zandovik::app {

int virtual_key(int qt_key);
// Shift 1, Ctrl 2, Alt 4.
int shift_state(Qt::KeyboardModifiers m);

}  // namespace zandovik::app
