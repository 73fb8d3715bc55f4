#include "pdf/format/streamcompressor.h"

#include "pdf/format/twothreads.h"

#include <algorithm>
#include <atomic>
#include <system_error>

#include <sched.h>

namespace tervolanpdf {

namespace {

std::atomic<int> openCompressors{0};

// The cores this process may run on, which a pinned process has fewer of
// than the machine.
unsigned int coreCount()
{
    static const unsigned int cores = [] {
        cpu_set_t allowed;
        if (sched_getaffinity(0, sizeof allowed, &allowed) == 0)
            return static_cast<unsigned int>(std::max(1, CPU_COUNT(&allowed)));
        return std::max(1u, std::thread::hardware_concurrency());
    }();
    return cores;
}

} // namespace

StreamCompressor::StreamCompressor(Deflater &deflater) : m_deflater(deflater)
{
    ++openCompressors;
}

StreamCompressor::~StreamCompressor()
{
    stop();
    --openCompressors;
}

bool StreamCompressor::coreToSpare()
{
    return static_cast<unsigned int>(openCompressors.load(std::memory_order_relaxed)) < coreCount();
}

void StreamCompressor::submit(std::string data)
{
    std::unique_lock lock(m_mutex);
    const size_t size = data.size();
    m_jobs.push_back({std::move(data), size, {}, {}});
    m_waitingBytes += size;
    if (m_waitingBytes < kBatchBytes)
        return;
    lock.unlock();
    wakeThread();
}

// Without a thread to be had (a process limit) the streams are compressed
// by takeOldest(), and the next batch tries again.
void StreamCompressor::wakeThread()
{
    if (m_thread.joinable()) {
        m_wake.notify_one();
        return;
    }
    try {
        m_thread = TwoThreads::withoutSignals([this] { run(); });
    } catch (const std::system_error &) {
    }
}

StreamCompressor::Result StreamCompressor::takeOldest()
{
    std::unique_lock lock(m_mutex);
    if (m_done == 0 && !m_thread.joinable()) {
        compress(m_jobs.front());
        m_waitingBytes -= m_jobs.front().size;
        ++m_done;
    } else if (m_done == 0) {
        m_hurry = true;
        m_wake.notify_one();
        m_finished.wait(lock, [this] { return m_done > 0; });
        m_hurry = false;
    }
    Job job = std::move(m_jobs.front());
    m_jobs.pop_front();
    --m_done;
    lock.unlock();
    if (job.failure)
        std::rethrow_exception(job.failure);
    return std::move(job.result);
}

// Once woken, the thread compresses every job there is, then sleeps until
// the next batch.
void StreamCompressor::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] {
            return m_stopping
                || (m_done < m_jobs.size() && (m_waitingBytes >= kBatchBytes || m_hurry));
        });
        while (!m_stopping && m_done < m_jobs.size()) {
            Job &job = m_jobs[m_done];
            lock.unlock();
            compress(job);
            lock.lock();
            m_waitingBytes -= job.size;
            ++m_done;
            m_finished.notify_one();
        }
        if (m_stopping)
            return;
    }
}

// Failures are kept for takeOldest() to throw in the thread that writes
// the document.
void StreamCompressor::compress(Job &job)
{
    try {
        m_deflater.compress(job.data, job.result.compressed);
        job.result.checksum = m_deflater.dataChecksum();
    } catch (...) {
        job.failure = std::current_exception();
    }
    std::string().swap(job.data);
}

void StreamCompressor::stop()
{
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

} // namespace tervolanpdf
