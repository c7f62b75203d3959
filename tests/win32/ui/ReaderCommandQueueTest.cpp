// Reader commands asked for while one runs wait for it, in the order asked.
#include "ui/ReaderCommandQueue.h"

#include "ui/WindowOps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RecordingWindow : public WindowOps {
public:
    int GetCheck(int) override { return 0; }
    void SetCheck(int, int) override {}
    int GetTextLength(int) override { return 0; }
    void GetText(int, char* text, int) override { text[0] = '\0'; }
    void SetText(int, const char*) override {}
    void UpdateData(int) override {}
    void LogLine(const char* text) override { lines.push_back(text); }

    std::vector<std::string> lines;
};

RecordingWindow* g_window = nullptr;
ReaderCommandQueue* g_queue = nullptr;

void CommandD(WindowOps& window) {
    window.LogLine("D");
}

void CommandC(WindowOps& window) {
    window.LogLine("C");
}

void CommandB(WindowOps& window) {
    window.LogLine("B begins");
    g_queue->Run(&CommandD);
    window.LogLine("B ends");
}

void CommandA(WindowOps& window) {
    window.LogLine("A begins");
    g_queue->Run(&CommandB);
    window.LogLine(g_queue->IsRunning() ? "A running" : "A not running");
    g_queue->Run(&CommandC);
    window.LogLine("A ends");
}

}  // namespace

TEST(ReaderCommandQueue, CommandsAskedForDuringACommandRunAfterItInOrder) {
    RecordingWindow window;
    ReaderCommandQueue queue(window);
    g_window = &window;
    g_queue = &queue;

    queue.Run(&CommandA);
    EXPECT_EQ((std::vector<std::string>{"A begins", "A running", "A ends", "B begins", "B ends",
                                        "C", "D"}),
              window.lines);
    EXPECT_FALSE(queue.IsRunning());

    window.lines.clear();
    queue.Run(&CommandC);
    EXPECT_EQ(std::vector<std::string>{"C"}, window.lines) << "an idle queue runs at once";
}
