#pragma once
// The fuzzer's recordings: mutated ones replayed through the driver.
#include <random>
#include <string>
#include <vector>

namespace zandovik::tools {

// False, after printing the finding, if a recording ended any other way
// than a replay's outcome or one refusal naming its line.
bool fuzz_recordings(std::mt19937& g, long count, long& refused);

}  // namespace zandovik::tools
