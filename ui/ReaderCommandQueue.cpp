#include "ui/ReaderCommandQueue.h"

void ReaderCommandQueue::Run(Command command) {
    if (command == nullptr) {
        return;
    }
    if (m_running) {
        m_waiting.push_back(command);
        return;
    }
    m_running = true;
    command(m_window);
    while (!m_waiting.empty()) {
        const Command next = m_waiting.front();
        m_waiting.pop_front();
        next(m_window);
    }
    m_running = false;
}
