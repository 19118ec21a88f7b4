#pragma once
// The stations of a set of log files. A station is a log file's name in its folder; the files that
// Tallyburn wrote beside the log at closing, when the log could not take the last lines
// ("Tallyburn-log-20261207-234124.csv" beside "Tallyburn-log.csv"), belong to it. Tallyburn merges
// such a file into the log at its next start and notes "merged N lines from <name>"; a file so noted
// is not read again.
#include <string>
#include <vector>

#include "tools/report/log_record.h"

struct LogInput {
    std::string path;
    ParsedLog log;
};

struct Station {
    std::string name;
    std::vector<std::string> files;   // the files read, the log first; LogRecord::source indexes them
    std::vector<LogRecord> records;   // the lines of all files, in the order they happened
    std::vector<std::string> merged;  // files whose lines the log already holds, not read again
};

// Groups the logs (isLog only) by station, stations by name. Each file's lines keep their order; the
// files of a station are interleaved by the instants of their lines.
std::vector<Station> GroupStations(const std::vector<LogInput>& logs);

// The file name of a path, with either separator.
std::string FileName(const std::string& path);
