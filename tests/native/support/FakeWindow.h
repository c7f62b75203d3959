// The window operations in memory: check states and texts by control id, the
// lines logged, and a record of every operation in order.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/WindowOps.h"

class FakeWindow : public WindowOps {
public:
    std::map<int, int> checks;
    std::map<int, std::string> texts;
    std::vector<std::string> lines;
    // Every operation as "Name(args)", e.g. "GetCheck(IDC_TYPE_A)".
    std::vector<std::string> ops;
    // Called inside LogLine after the line is added, as the one message that
    // LogLine lets through would be handled there.
    std::function<void(const std::string& line)> onLogLine;

    // Check state without recording an operation.
    int CheckOf(int id) const;

    int GetCheck(int id) override;
    void SetCheck(int id, int state) override;
    int GetTextLength(int id) override;
    void GetText(int id, char* text, int limit) override;
    void SetText(int id, const char* text) override;
    void UpdateData(int saveAndValidate) override;
    void LogLine(const char* text) override;

private:
    void Record(const std::string& op);
};

// The control's IDC_ name, or its number if it has none.
std::string ControlName(int id);
