#pragma once
// The production log on disk: the file its lines are appended to, its overflow files, and the local
// time the lines carry.
#include <string>

#include "app/log_files.h"
#include "app/log_text.h"

// The current local time with its offset from UTC.
LocalTime LocalNow();

// Appends lines to the file at path, whole or not at all; the header goes first when the file is
// empty, and a line break when its last line is unfinished. The file is opened for this one write with read and write
// sharing, so that a reader or a copy works at any time, and closed again. True when the lines are in
// the file; they are flushed to the disk as well.
bool AppendToLogFile(const std::string& path, const std::string& header, const std::string& lines);

// The log's files on disk, appended to through append (AppendToLogFile unless a test gives another).
LogFiles LogFilesOnDisk(LogAppend append);

// The append the main window's log opens with: AppendToLogFile, unless a test has put another in its
// place. An open log keeps the one it was given.
LogAppend& LogFileAppend();
