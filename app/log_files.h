#pragma once
// The file operations the production log's writer uses: the real files in production, files in
// memory in tests.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// Appends lines to the file at path, whole or not at all, with the header first when the file is new
// or empty; true when the lines are in the file.
using LogAppend = std::function<bool(const std::string& path, const std::string& header, const std::string& lines)>;

struct LogFiles {
    LogAppend append;
    // The rest serves bringing overflow files home; without overflowFiles nothing is looked for.
    // The overflow files beside the log at path, oldest first.
    std::function<std::vector<std::string>(const std::string& path)> overflowFiles = nullptr;
    // The last `most` bytes of the file (all of a smaller one); true with no text when there is no
    // such file, false when it cannot be read.
    std::function<bool(const std::string& path, size_t most, std::string& text)> readEnd = nullptr;
    std::function<bool(const std::string& path)> remove = nullptr;
};
