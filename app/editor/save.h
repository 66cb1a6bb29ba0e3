#pragma once
// Writing a file whole or not at all.
#include <QString>
#include <string>

namespace zandovik::app::editor {

// Writes text to a temporary file beside path, makes sure every byte is on
// the disk, and only then renames it over path. False, with the reason in
// `why`, leaves path as it was and nothing beside it.
bool write_whole(const QString& path, const std::string& text, QString& why);

}  // namespace zandovik::app::editor
