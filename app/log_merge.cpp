#include "app/log_merge.h"

#include <algorithm>
#include <cctype>

#include "app/log_path.h"
#include "app/log_text.h"

namespace {

// An overflow file holds what one run could not write; one this large is left alone, not read into memory.
constexpr size_t kLargestOverflow = 64u << 20;
// How far back in the log a merge that was ended before its file was removed is looked for.
constexpr size_t kLogSearched = 16u << 20;

std::string NameOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file's lines without its header; a last line that a cut-short write left unfinished is ended,
// so that the note after it stands on a line of its own.
std::string LinesOf(std::string text) {
    const std::string header = kLogHeader;
    if (text.compare(0, header.size(), header) == 0)
        text.erase(0, header.size());
    if (!text.empty() && text.back() != '\n')
        text += "\r\n";
    return text;
}

// True when the log holds the lines followed at once by a note line that ends with noteEnd.
bool Holds(const std::string& log, const std::string& lines, const std::string& noteEnd) {
    for (size_t at = log.find(noteEnd); at != std::string::npos; at = log.find(noteEnd, at + 1)) {
        const size_t lineStart = at == 0 ? 0 : log.rfind('\n', at - 1) + 1;  // npos + 1: the first line
        const size_t note = log.find(",note,", lineStart);
        if (note < at && lineStart >= lines.size() && log.compare(lineStart - lines.size(), lines.size(), lines) == 0)
            return true;
    }
    return false;
}

}  // namespace

bool IsOverflowName(const std::string& logName, const std::string& name) {
    const std::string owner = LogNameOfOverflow(name);
    return !owner.empty() && std::equal(owner.begin(), owner.end(), logName.begin(), logName.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

bool MergeOverflowFiles(const LogFiles& files, const std::string& path, int count, const std::string& now) {
    if (!files.overflowFiles)
        return true;
    for (const std::string& overflow : files.overflowFiles(path)) {
        std::string text;
        if (!files.readEnd(overflow, kLargestOverflow, text) || text.size() >= kLargestOverflow)
            continue;
        const std::string lines = LinesOf(std::move(text));
        const std::string cause = "merged " + std::to_string(std::count(lines.begin(), lines.end(), '\n')) +
                                  " lines from " + NameOf(overflow);
        std::string log;
        if (!files.readEnd(path, lines.size() + kLogSearched, log))
            return false;
        // The file is removed only once its lines and note are in the log, and the log is flushed
        // before: a merge ended in between leaves both, which the next merge finds here.
        if (!Holds(log, lines, "," + CsvField(cause) + "\r\n") &&
            !files.append(path, kLogHeader, lines + CsvLine({now, "note", std::to_string(count), "", "", cause})))
            return false;
        files.remove(overflow);
    }
    return true;
}
