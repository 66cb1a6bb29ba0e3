#pragma once
// The game's one identity: the desktop file's name, the Wayland app id, the
// icon's name and the sound stream's application id.
namespace zandovik::app {

inline constexpr const char* kAppId = "org.zandovik.Zandovik";

}  // namespace zandovik::app
