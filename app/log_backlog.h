#pragma once
// The lines of the production log that have not reached its file yet, and the rule for writing them:
// all waiting lines go in with one append, in order, or none does; after a failed append, the lines
// that waited are followed by a note saying for how long the file could not be written. Lines that an
// earlier run left in overflow files go in before them.
#include <string>
#include <vector>

#include "app/log_files.h"

// A whole CSV line and the count at its event (a note repeats the latest count).
struct LogLine {
    int count;
    std::string text;
};

class LogBacklog {
public:
    LogBacklog(LogFiles files, std::string path);

    void Add(LogLine line);
    bool Waiting() const { return !m_lines.empty(); }

    // Appends every waiting line to the log file, after the lines of overflow files when any are
    // left (at the first flush, and at the first after a failed one). nowMs is a monotonic clock;
    // now is the time stamp of the notes. True when nothing waits any more.
    bool Flush(long long nowMs, const std::string& now);

    // Appends the waiting lines to a file of their own instead (the last resort at closing); they
    // are given up either way. True when they were written.
    bool MoveTo(const std::string& path);

private:
    std::string Joined() const;

    LogFiles m_files;
    std::string m_path;
    bool m_mergePending = true;  // overflow files are to be looked for before the next lines
    std::vector<LogLine> m_lines;
    long long m_failedSinceMs = -1;  // the first failed append of the lines that wait, or -1
    size_t m_waited = 0;             // lines that were there at the last failed append
};
