#include "app/ProductionLog.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>
#include <vector>

#include "app/LogFile.h"
#include "app/log_path.h"

namespace {

using Clock = std::chrono::steady_clock;
// A file that could not be written is tried again this often, besides at every new line.
constexpr auto kRetryPeriod = std::chrono::seconds(5);
// Closing: tries at the log for this long, this often; then the file of its own.
constexpr auto kClosingTries = std::chrono::seconds(2);
constexpr auto kClosingRetry = std::chrono::milliseconds(200);
// Closing never waits longer for the writer: a write that hangs on a share is left to the end of the process.
constexpr auto kClosingLimit = std::chrono::milliseconds(2500);

long long NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch()).count();
}

}  // namespace

struct CProductionLog::Shared {
    Shared(const std::string& logPath, LogFiles files) : path(logPath), backlog(std::move(files), logPath) {}

    // Shared between the two threads, under the mutex.
    std::mutex mutex;
    std::condition_variable wake;  // a line came, or closing began
    std::condition_variable done;  // the writer has finished
    std::vector<LogLine> incoming;
    bool closing = false;
    bool finished = false;
    Clock::time_point closeDeadline;
    std::string fallbackPath;

    // The writer's own.
    const std::string path;
    LogBacklog backlog;

    void Write();
    bool Flush() { return backlog.Flush(NowMs(), IsoTime(LocalNow())); }
};

// The writer thread: takes what came, appends it, and waits for more (or for the time to try again).
void CProductionLog::Shared::Write() {
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        const auto ready = [this] { return !incoming.empty() || closing; };
        if (backlog.Waiting())
            wake.wait_for(lock, kRetryPeriod, ready);
        else
            wake.wait(lock, ready);
        for (LogLine& line : incoming)
            backlog.Add(std::move(line));
        incoming.clear();
        const bool last = closing;
        lock.unlock();

        bool flushed = Flush();
        if (last) {
            while (!flushed && Clock::now() < closeDeadline) {
                std::this_thread::sleep_for(kClosingRetry);
                flushed = Flush();
            }
            if (!flushed)
                backlog.MoveTo(fallbackPath);
            lock.lock();
            finished = true;
            done.notify_all();
            return;
        }
        lock.lock();
    }
}

CProductionLog::CProductionLog(const std::string& path, LogFiles files)
    : m_shared(std::make_shared<Shared>(path, std::move(files))) {
    // The thread holds the shared state too, so that a writer left behind at closing stays safe.
    m_writer = std::thread([shared = m_shared] { shared->Write(); });
}

CProductionLog::~CProductionLog() {
    Close();
}

void CProductionLog::Add(int count, std::string line) {
    {
        std::lock_guard<std::mutex> lock(m_shared->mutex);
        m_shared->incoming.push_back({count, std::move(line)});
    }
    m_shared->wake.notify_one();
}

void CProductionLog::Close() {
    if (!m_writer.joinable())
        return;
    {
        std::lock_guard<std::mutex> lock(m_shared->mutex);
        m_shared->closing = true;
        m_shared->closeDeadline = Clock::now() + kClosingTries;
        m_shared->fallbackPath = StampedLogPath(m_shared->path, FileStamp(LocalNow()));
    }
    m_shared->wake.notify_one();
    std::unique_lock<std::mutex> lock(m_shared->mutex);
    const bool finished = m_shared->done.wait_for(lock, kClosingLimit, [this] { return m_shared->finished; });
    lock.unlock();
    if (finished)
        m_writer.join();
    else
        m_writer.detach();
}
