#pragma once
// Bringing overflow files home. When the log could not be written at closing, the lines still
// waiting went to an overflow file beside it; the next run appends each such file's lines to the log,
// followed by a note "merged N lines from <file name>", and then removes the file. A merge ended at
// any point is finished by the next one without a line twice: a file whose lines and note the log
// already holds is only removed.
#include <string>

#include "app/log_files.h"

// True when name (without folder) is that of an overflow file of the log named logName: the log's
// name with "-YYYYMMDD-HHMMSS" before its extension, letters in either case.
bool IsOverflowName(const std::string& logName, const std::string& name);

// Merges every overflow file of the log at path into it, oldest first; count and now go into the
// notes. A file that cannot be read is left for a later merge. False when the log could not be read
// or written: the files merged so far are in, the others are tried again later.
bool MergeOverflowFiles(const LogFiles& files, const std::string& path, int count, const std::string& now);
