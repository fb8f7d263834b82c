#include "demo/RowPipeline.h"

namespace demo {

bool RowPipeline::push(Batch &&batch)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_aborted || m_batches.size() < m_capacity; });
    if (m_aborted)
        return false;
    m_batches.push_back(std::move(batch));
    m_changed.notify_all();
    return true;
}

bool RowPipeline::pop(Batch &batch)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_finished || m_aborted || !m_batches.empty(); });
    if (m_aborted || m_batches.empty())
        return false;
    batch = std::move(m_batches.front());
    m_batches.pop_front();
    m_changed.notify_all();
    return true;
}

void RowPipeline::finish()
{
    std::lock_guard lock(m_mutex);
    m_finished = true;
    m_changed.notify_all();
}

void RowPipeline::abort()
{
    std::lock_guard lock(m_mutex);
    m_aborted = true;
    m_changed.notify_all();
}

} // namespace demo
