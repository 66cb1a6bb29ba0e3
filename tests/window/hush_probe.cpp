// hush_probe FILE MIN_MS -- COMMAND...: follows FILE, a raw s16le mono
// 48 kHz recording as it grows, waits for a sound lasting at least MIN_MS,
// runs COMMAND in the middle of it, and prints how many milliseconds of
// sound the recording still holds after that moment. Status 0 once it has
// measured, 1 when no such sound came within 20 s, 2 on bad usage.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>
#include <vector>

namespace {

constexpr int kRate = 48000;
constexpr int kBlock = kRate / 200;  // 5 ms
constexpr int kLoud = 1000;

// Blocks of 5 ms, each loud or not, read as the file grows.
struct Follower {
  std::ifstream in;
  std::vector<std::int16_t> partial;
  std::vector<bool> loud;

  void read_more() {
    in.clear();
    std::int16_t buf[4096];
    for (;;) {
      in.read(reinterpret_cast<char*>(buf), sizeof buf);
      const auto n = in.gcount() / 2;
      for (std::streamsize i = 0; i < n; ++i) {
        partial.push_back(buf[i]);
        if (partial.size() == kBlock) {
          int peak = 0;
          for (auto s : partial) peak = std::max(peak, std::abs(static_cast<int>(s)));
          loud.push_back(peak > kLoud);
          partial.clear();
        }
      }
      if (n * 2 < static_cast<std::streamsize>(sizeof buf)) return;
    }
  }
};

int run(char** argv) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::execvp(argv[0], argv);
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5 || std::strcmp(argv[3], "--") != 0) {
    std::fprintf(stderr, "usage: hush_probe FILE MIN_MS -- COMMAND...\n");
    return 2;
  }
  Follower f{std::ifstream(argv[1], std::ios::binary), {}, {}};
  const auto min_blocks = static_cast<std::size_t>(std::atoi(argv[2]) / 5);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  std::size_t run_length = 0, seen = 0;
  while (run_length < min_blocks) {
    if (std::chrono::steady_clock::now() > deadline) {
      std::printf("no sound of %s ms came\n", argv[2]);
      return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    f.read_more();
    for (; seen < f.loud.size() && run_length < min_blocks; ++seen)
      run_length = f.loud[seen] ? run_length + 1 : 0;
  }
  const std::size_t at = f.loud.size();
  run(argv + 4);
  std::this_thread::sleep_for(std::chrono::milliseconds(800));
  f.read_more();
  std::size_t last = at;
  for (std::size_t i = at; i < f.loud.size(); ++i)
    if (f.loud[i]) last = i + 1;
  std::printf("%zu ms of sound after the command (a sound of %zu ms was playing)\n",
              (last - at) * 5, run_length * 5);
  return 0;
}
