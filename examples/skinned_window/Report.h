#pragma once
// What the example tells on standard output: one line per event, flushed at once so that a
// script reading the output sees each line as it happens. Write errors are ignored.

#include <string_view>

namespace example {

void Report(std::string_view line);

}  // namespace example
