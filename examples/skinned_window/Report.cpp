#include "examples/skinned_window/Report.h"

#include <cstdio>

namespace example {

void Report(std::string_view line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace example
