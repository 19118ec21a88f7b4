#pragma once
// CProductionLog: the writer of the production log. The user-interface thread hands it whole lines
// and never waits for the file: a thread of its own, which shares only the queue of lines with the
// user-interface thread, appends them in order. Lines the file cannot take (held by another
// program, a read-only folder, a full disk, a share that has gone) wait in memory and are tried
// again at every new line and every few seconds. Lines an earlier run left in overflow files come
// home first.
#include <memory>
#include <string>
#include <thread>

#include "app/log_backlog.h"

class CProductionLog {
public:
    // Starts the writer for the log file at path, which it reaches through files (the real ones in
    // production, others in tests).
    CProductionLog(const std::string& path, LogFiles files);
    ~CProductionLog();  // closes, when Close was not called
    CProductionLog(const CProductionLog&) = delete;
    CProductionLog& operator=(const CProductionLog&) = delete;

    // Hands a line over, with the count of its event; returns at once.
    void Add(int count, std::string line);

    // Ends the writer. Lines still waiting are tried at the log for 2 s more, then written to a new
    // file beside it whose name adds the closing time; after that they are given up. Returns after
    // at most 2.5 s, whatever the file does.
    void Close();

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
    std::thread m_writer;
};
