#pragma once

#include "demo/TableWriter.h"

#include <condition_variable>
#include <deque>
#include <mutex>

namespace demo {

// Generated rows on their way from the generating thread to the inserting one, in batches
// and in order. Generating and inserting take comparable time, so doing both at once nearly
// halves a large load. The queue is bounded: a generator that runs ahead waits.
class RowPipeline
{
public:
    struct Batch
    {
        std::unique_ptr<WriterRows> rows;
        int customersDone = 0; // generated so far, for progress reports
    };

    explicit RowPipeline(std::size_t capacity)
        : m_capacity(capacity)
    { }

    // Waits for room; false when the consumer has given up.
    bool push(Batch &&batch);
    // Waits for a batch; false when the producer has finished and all batches are taken.
    bool pop(Batch &batch);
    // The producer has sent its last batch.
    void finish();
    // The consumer stops; a waiting or later push returns false.
    void abort();

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Batch> m_batches;
    std::size_t m_capacity;
    bool m_finished = false;
    bool m_aborted = false;
};

} // namespace demo
