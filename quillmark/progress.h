// The stages of a long run shown on standard error, one line rewritten
// in place: only when standard error is a terminal, and only once the run
// has taken longer than a moment (a quick run shows nothing; the stage
// under way at that moment is shown then, and every one after it).
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "engine/analysis.h"

namespace quill {

class TerminalProgress : public Progress {
public:
    explicit TerminalProgress(int fd = 2, std::chrono::milliseconds delay = std::chrono::seconds(1));
    // Clears the line, as finish() does.
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    void stage(const std::string& what) override;
    // The run is over (or about to speak on the console): the line shown is
    // cleared and no later stage is shown.
    void finish();

private:
    void show(const std::string& text); // with the lock held

    int fd_;
    bool terminal_;
    std::mutex m_;
    std::condition_variable wake_;
    std::thread timer_;
    std::string current_;
    bool shown_ = false, done_ = false;
    size_t width_ = 0; // of the line on the screen
};

} // namespace quill
