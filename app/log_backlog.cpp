#include "app/log_backlog.h"

#include <utility>

#include "app/log_merge.h"
#include "app/log_text.h"

LogBacklog::LogBacklog(LogFiles files, std::string path) : m_files(std::move(files)), m_path(std::move(path)) {}

void LogBacklog::Add(LogLine line) {
    m_lines.push_back(std::move(line));
}

std::string LogBacklog::Joined() const {
    std::string lines;
    for (const LogLine& line : m_lines)
        lines += line.text;
    return lines;
}

bool LogBacklog::Flush(long long nowMs, const std::string& now) {
    if (m_lines.empty())
        return true;
    std::string lines = Joined();
    if (m_failedSinceMs >= 0) {
        // The note goes in with the lines it speaks of, so it can never stand without them.
        const long long seconds = (nowMs - m_failedSinceMs + 500) / 1000;
        const std::string what = "log unavailable for " + std::to_string(seconds) + " s, " + std::to_string(m_waited) +
                                 (m_waited == 1 ? " line waited" : " lines waited");
        lines += CsvLine({now, "note", std::to_string(m_lines.back().count), "", "", what});
    }
    // Lines of an earlier run come home before any line of this one. While they cannot, this run's
    // lines wait behind them; once the log could not be written, overflow files are looked for again.
    const bool written = (!m_mergePending || MergeOverflowFiles(m_files, m_path, m_lines.front().count, now)) &&
                         m_files.append(m_path, kLogHeader, lines);
    m_mergePending = !written;
    if (!written) {
        if (m_failedSinceMs < 0)
            m_failedSinceMs = nowMs;
        m_waited = m_lines.size();
        return false;
    }
    m_lines.clear();
    m_failedSinceMs = -1;
    m_waited = 0;
    return true;
}

bool LogBacklog::MoveTo(const std::string& path) {
    const bool written = m_lines.empty() || m_files.append(path, kLogHeader, Joined());
    m_lines.clear();
    return written;
}
