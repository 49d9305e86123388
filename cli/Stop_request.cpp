#include "Stop_request.h"

#include <unistd.h>

#include <cerrno>

static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may store the status");
static_assert(std::atomic<unsigned>::is_always_lock_free, "a signal handler may read the progress");

bool Stop_request::Request(Exit_status status) noexcept
{
    int none = Exit_code(Exit_status::Done);
    const bool first = Status.compare_exchange_strong(none, Exit_code(status));
    if (first)
        Steps_seen.store(Steps.load(std::memory_order_relaxed), std::memory_order_relaxed);
    if (Wake >= 0) {
        // A full pipe already holds a wake-up; errno is the interrupted
        // code's own.
        const int saved = errno;
        const char byte = 1;
        [[maybe_unused]] const auto ignored = write(Wake, &byte, 1);
        errno = saved;
    }
    return first;
}

std::optional<Exit_status> Stop_request::Requested() const noexcept
{
    const int status = Status.load();
    if (status == Exit_code(Exit_status::Done))
        return std::nullopt;
    return static_cast<Exit_status>(status);
}

bool Stop_request::Progressed() noexcept
{
    const unsigned steps = Steps.load(std::memory_order_relaxed);
    return Steps_seen.exchange(steps, std::memory_order_relaxed) != steps;
}
