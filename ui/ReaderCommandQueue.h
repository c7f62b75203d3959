// Runs the reader commands one at a time. A command asked for while another
// runs (its click let through by the running command's LogLine) is not
// nested: it waits and runs right after the running command returns, in the
// order the requests came.
#pragma once

#include <deque>

class WindowOps;

class ReaderCommandQueue {
public:
    using Command = void (*)(WindowOps&);

    explicit ReaderCommandQueue(WindowOps& window) : m_window(window) {}

    // Runs command now, with every command asked for meanwhile after it;
    // inside a running command, only queues it.
    void Run(Command command);
    bool IsRunning() const { return m_running; }

private:
    WindowOps& m_window;
    std::deque<Command> m_waiting;
    bool m_running = false;
};
