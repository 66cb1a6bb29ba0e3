#pragma once
// A scratch folder of a test's own, removed at the end.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace zandovik::testing {

struct Scratch {
  std::filesystem::path dir;
  explicit Scratch(const std::string& what)
      : dir(std::filesystem::temp_directory_path() /
            ("zandovik-" + what + "-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(dir);
  }
  ~Scratch() { std::filesystem::remove_all(dir); }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;
  // Writes TEXT to NAME in the folder; its path.
  std::string write(const std::string& name, const std::string& text) const {
    std::ofstream(dir / name, std::ios::binary) << text;
    return (dir / name).string();
  }
};

}  // namespace zandovik::testing
