// Every wait of the driver is a poll with a time-out: conditions, never fixed sleeps.
#pragma once

#include <chrono>
#include <thread>

using Milliseconds = std::chrono::milliseconds;

// Time-outs long enough for a loaded machine, short enough to fail fast.
inline constexpr Milliseconds kProgramStart{20000};
inline constexpr Milliseconds kReaction{10000};
inline constexpr Milliseconds kScriptRun{60000};

// Polls the condition until it holds (true) or the time is up (false).
template <class Condition>
bool waitUntil(Condition condition, Milliseconds timeout, Milliseconds step = Milliseconds{20}) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(step);
    }
}
