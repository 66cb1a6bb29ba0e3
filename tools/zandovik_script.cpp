// zandovik-script [FILE]: run driver commands from FILE or standard input.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "game/names.h"
#include "tools/script.h"

namespace {

constexpr const char* kUsage = "usage: zandovik-script [FILE]";

void help() {
  std::cout << kUsage << "\n\n"
            << "Runs the game headless, one command per line, from FILE or standard input.\n"
            << "Prints what get and dump print; status 0 at the end of the input, 2 after\n"
            << "'line N: ...' for a bad line, 1 when the output cannot be written.\n\n"
            << "Commands:\n"
            << zandovik::tools::command_help();
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    help();
    std::cout.flush();
    return std::cout ? 0 : 1;
  }
  if (argc > 2 || (argc == 2 && argv[1][0] == '-' && argv[1][1] != '\0')) {
    std::cerr << kUsage << '\n';
    return 2;
  }
  if (argc == 2 && std::strcmp(argv[1], "-") != 0) {
    std::error_code ec;
    if (std::filesystem::is_directory(argv[1], ec)) {
      std::cerr << "zandovik-script: " << zandovik::game::printable_name(argv[1])
                << " is a folder, not a script\n";
      return 2;
    }
    std::ifstream file(argv[1]);
    if (!file) {
      std::cerr << "zandovik-script: cannot open " << zandovik::game::printable_name(argv[1])
                << ": " << std::strerror(errno) << '\n';
      return 2;
    }
    return zandovik::tools::run_script(file, std::cout, std::cerr);
  }
  return zandovik::tools::run_script(std::cin, std::cout, std::cerr);
}
