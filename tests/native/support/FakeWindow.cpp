#include "tests/native/support/FakeWindow.h"

#include <algorithm>
#include <cstring>

#include "res/resource.h"
#include "tests/native/support/Journal.h"

namespace {
struct NamedControl {
    int id;
    const char* name;
};

const NamedControl kControls[] = {
    {IDC_SET_KEY, "IDC_SET_KEY"},
    {IDC_LOG_LIST, "IDC_LOG_LIST"},
    {IDC_KEY_EDIT, "IDC_KEY_EDIT"},
    {IDC_ORDER_DEFAULT, "IDC_ORDER_DEFAULT"},
    {IDC_ORDER_REVERSE, "IDC_ORDER_REVERSE"},
    {IDC_FORMAT_DECIMAL, "IDC_FORMAT_DECIMAL"},
    {IDC_TYPE_A, "IDC_TYPE_A"},
    {IDC_TYPE_B, "IDC_TYPE_B"},
    {IDC_TYPE_125K, "IDC_TYPE_125K"},
    {IDC_FORMAT_HEX, "IDC_FORMAT_HEX"},
    {IDC_CHECK_CODE_ADD, "IDC_CHECK_CODE_ADD"},
};
}  // namespace

std::string ControlName(int id)
{
    for (const NamedControl& control : kControls) {
        if (control.id == id)
            return control.name;
    }
    return std::to_string(id);
}

void FakeWindow::Record(const std::string& op)
{
    ops.push_back(op);
    JournalAdd(op);
}

int FakeWindow::CheckOf(int id) const
{
    const auto found = checks.find(id);
    return found == checks.end() ? 0 : found->second;
}

int FakeWindow::GetCheck(int id)
{
    Record("GetCheck(" + ControlName(id) + ")");
    return CheckOf(id);
}

void FakeWindow::SetCheck(int id, int state)
{
    Record("SetCheck(" + ControlName(id) + "," + std::to_string(state) + ")");
    checks[id] = state;
}

int FakeWindow::GetTextLength(int id)
{
    Record("GetTextLength(" + ControlName(id) + ")");
    const auto found = texts.find(id);
    return found == texts.end() ? 0 : static_cast<int>(found->second.size());
}

void FakeWindow::GetText(int id, char* text, int limit)
{
    Record("GetText(" + ControlName(id) + "," + std::to_string(limit) + ")");
    if (limit <= 0)
        return;
    const auto found = texts.find(id);
    const std::string value = found == texts.end() ? std::string() : found->second;
    const std::size_t count = std::min(value.size(), static_cast<std::size_t>(limit - 1));
    std::memcpy(text, value.data(), count);
    text[count] = '\0';
}

void FakeWindow::SetText(int id, const char* text)
{
    Record("SetText(" + ControlName(id) + "," + text + ")");
    texts[id] = text;
}

void FakeWindow::UpdateData(int saveAndValidate)
{
    Record("UpdateData(" + std::to_string(saveAndValidate) + ")");
}

void FakeWindow::LogLine(const char* text)
{
    Record(std::string("LogLine(") + text + ")");
    lines.push_back(text);
    if (onLogLine)
        onLogLine(text);
}
