// The DLL names in a PE32+ image's import table, read from the file's bytes. Pure C++, so that it
// can be tested anywhere; the benchmark driver uses it on vardek.exe.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vardek::bench {

// The imported DLLs in table order, or nothing if the bytes are not a PE image with a readable
// import table.
std::optional<std::vector<std::string>> ImportedDlls(const std::vector<std::uint8_t>& image);

}  // namespace vardek::bench
