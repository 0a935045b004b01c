#include "progress.h"

#include <unistd.h>

namespace quill {

TerminalProgress::TerminalProgress(int fd, std::chrono::milliseconds delay) : fd_(fd), terminal_(isatty(fd) == 1)
{
    if (!terminal_)
        return;
    timer_ = std::thread([this, delay] {
        std::unique_lock<std::mutex> lock(m_);
        if (wake_.wait_for(lock, delay, [this] { return done_; }))
            return;
        shown_ = true;
        if (!current_.empty())
            show("quillmark: " + current_ + " ...");
    });
}

TerminalProgress::~TerminalProgress()
{
    finish();
}

void TerminalProgress::stage(const std::string& what)
{
    if (!terminal_)
        return;
    std::lock_guard<std::mutex> lock(m_);
    current_ = what;
    if (shown_ && !done_)
        show("quillmark: " + what + " ...");
}

void TerminalProgress::finish()
{
    if (!terminal_)
        return;
    {
        std::lock_guard<std::mutex> lock(m_);
        if (!done_ && width_ > 0)
            show("");
        done_ = true;
    }
    wake_.notify_all();
    if (timer_.joinable())
        timer_.join();
}

void TerminalProgress::show(const std::string& text)
{
    // Back to the line's start, the text, blanks over what is left of the
    // longer line before it, and back again so that the cursor ends where
    // the text does.
    std::string line = "\r" + text;
    if (text.size() < width_)
        line += std::string(width_ - text.size(), ' ') + "\r" + text;
    width_ = text.size();
    for (size_t at = 0; at < line.size();) {
        ssize_t n = ::write(fd_, line.data() + at, line.size() - at);
        if (n <= 0)
            return;
        at += static_cast<size_t>(n);
    }
}

} // namespace quill
