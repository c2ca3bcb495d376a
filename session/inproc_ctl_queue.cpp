#include "session/inproc_ctl_queue.h"

#include <cstring>

namespace orvi {

ControlPush pushControlLine(InprocCtlQueue& queue, const std::string& line)
{
    ControlPush result = ControlPush::Refused;
    {
        std::lock_guard lock(queue.mutex);
        if (!queue.closed && queue.entries.size() < InprocCtlQueue::maxEntries) {
            queue.entries.push_back(line);
            result = ControlPush::Queued;
        } else if (line == "stop") {
            queue.entries.push_back(line);
            result = ControlPush::StopForcedThrough;
        }
    }
    if (result != ControlPush::Refused)
        queue.ready.notify_one();
    return result;
}

void openControlQueue(InprocCtlQueue& queue)
{
    std::lock_guard lock(queue.mutex);
    queue.entries.clear();
    queue.closed = false;
}

void closeControlQueue(InprocCtlQueue& queue)
{
    {
        std::lock_guard lock(queue.mutex);
        queue.closed = true;
    }
    queue.ready.notify_all();
}

int controlRead(InprocCtlQueue* queue, char* buffer, int bufferSize)
{
    if (!queue)
        return 0;
    if (!buffer || bufferSize < 2)
        return -1;
    std::string entry;
    {
        std::unique_lock lock(queue->mutex);
        queue->ready.wait(lock, [queue] { return !queue->entries.empty() || queue->closed; });
        if (queue->entries.empty())
            return 0;
        entry = std::move(queue->entries.front());
        queue->entries.pop_front();
    }
    while (!entry.empty() && (entry.back() == '\r' || entry.back() == '\n'))
        entry.pop_back();
    if (entry.size() + 1 > std::size_t(bufferSize))
        return -1;
    std::memcpy(buffer, entry.data(), entry.size());
    buffer[entry.size()] = '\0';
    return int(entry.size());
}

} // namespace orvi
