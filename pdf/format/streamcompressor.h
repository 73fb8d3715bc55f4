// Compresses stream data on a thread of its own, one stream after another
// in the order given, so that the thread that lays out a document can go on
// to the next pages while the last ones are compressed. Streams are taken
// up in batches, since waking a thread costs about what a small page costs
// to compress; a document too short to fill a batch never starts the
// thread. The thread ends with the compressor.
#ifndef TERVOLANPDF_STREAMCOMPRESSOR_H
#define TERVOLANPDF_STREAMCOMPRESSOR_H

#include "pdf/format/deflater.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <mutex>
#include <string>
#include <thread>

namespace tervolanpdf {

class StreamCompressor {
public:
    // A finished stream: its zlib stream and the Adler-32 of its data.
    struct Result {
        std::string compressed;
        unsigned long checksum = 1;
    };

    // Bytes of data that make a batch for the thread.
    static constexpr size_t kBatchBytes = 32 * 1024;

    // deflater is the document's own: this uses it only while it holds
    // streams not yet taken, and the document only while it holds none,
    // so one compressor's memory serves both threads.
    explicit StreamCompressor(Deflater &deflater);
    // Streams not yet taken are dropped; the thread is stopped and joined.
    ~StreamCompressor();

    StreamCompressor(const StreamCompressor &) = delete;
    StreamCompressor &operator=(const StreamCompressor &) = delete;

    // True while fewer documents are open in the process than there are
    // cores: then the thread has a core of its own, otherwise it would
    // only take turns with the other documents.
    static bool coreToSpare();

    void submit(std::string data);

    // The oldest stream not yet taken, waited for (or, with no thread
    // running, compressed here). Throws whatever compressing it threw.
    Result takeOldest();

private:
    struct Job {
        std::string data;
        size_t size = 0;
        Result result;
        std::exception_ptr failure;
    };

    void wakeThread();
    void run();
    void compress(Job &job);
    void stop();

    Deflater &m_deflater;
    std::mutex m_mutex;
    std::condition_variable m_wake;     // a batch is ready, someone waits, or stop
    std::condition_variable m_finished; // a job is done
    // Jobs in order; the first m_done are compressed. A deque keeps the
    // job the thread works on in place while others are added.
    std::deque<Job> m_jobs;
    size_t m_done = 0;
    size_t m_waitingBytes = 0; // data of the jobs not yet compressed
    bool m_hurry = false;      // takeOldest() waits for the thread
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace tervolanpdf

#endif
