// zandovik-script [FILE]: run driver commands from FILE or standard input.
#include <fstream>
#include <iostream>

#include "tools/script.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (argc > 2) {
    std::cerr << "usage: zandovik-script [FILE]\n";
    return 2;
  }
  if (argc == 2) {
    std::ifstream file(argv[1]);
    if (!file) {
      std::cerr << "zandovik-script: cannot open " << argv[1] << '\n';
      return 2;
    }
    return zandovik::tools::run_script(file, std::cout, std::cerr);
  }
  return zandovik::tools::run_script(std::cin, std::cout, std::cerr);
}
