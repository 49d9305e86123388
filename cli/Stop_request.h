// A request that a table run stop after the rows in hand, made by a signal
// handler (every operation here is async-signal-safe) or by the run itself
// when a write fails. A reader waiting for input may watch a wake-up
// descriptor, which becomes readable with the request, so that it is not
// left waiting for a row that will not be computed. The run notes its
// progress here, so that a deadline after the request can tell a run that
// is still writing from one whose output takes nothing.
#pragma once

#include <atomic>
#include <optional>

#include "Exit_status.h"

class Stop_request {
public:
    // The status that the run ends with; the first request stands. Returns
    // whether this request is the first.
    bool Request(Exit_status status) noexcept;
    std::optional<Exit_status> Requested() const noexcept;

    // A step of the run: a row computed or text handed to the output.
    void Note_progress() noexcept { Steps.fetch_add(1, std::memory_order_relaxed); }
    // Whether a step has been noted since this was last asked, or, the first
    // time, since the first request.
    bool Progressed() noexcept;

    // The write end of a pipe that receives a byte with the request; -1 for
    // none.
    void Set_wake_descriptor(int write_end) noexcept { Wake = write_end; }

private:
    std::atomic<int> Status{Exit_code(Exit_status::Done)};
    int Wake = -1;
    std::atomic<unsigned> Steps{0};
    std::atomic<unsigned> Steps_seen{0};
};
