#include "streamcompressor.h"

#include <algorithm>
#include <atomic>
#include <system_error>

namespace tervolanpdf {

namespace {

std::atomic<int> openCompressors{0};

unsigned int coreCount()
{
    static const unsigned int cores = std::max(1u, std::thread::hardware_concurrency());
    return cores;
}

} // namespace

StreamCompressor::StreamCompressor(int level) : m_level(level)
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
        m_thread = std::thread([this] { run(); });
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
        if (!m_deflater)
            m_deflater = std::make_unique<Deflater>(m_level);
        m_deflater->compress(job.data, job.result.compressed);
        job.result.checksum = m_deflater->dataChecksum();
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
