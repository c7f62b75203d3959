// Runs vantrel.exe as a separate process and works its window from outside,
// the way an operator does: real mouse clicks, reading what the window shows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class OperatorSession {
public:
    // Starts the program with the simulated reader in simDir. Check Started().
    OperatorSession(const std::wstring& exePath, const std::wstring& simDir);
    ~OperatorSession();
    OperatorSession(const OperatorSession&) = delete;
    OperatorSession& operator=(const OperatorSession&) = delete;

    bool Started() const { return m_dialog != nullptr; }
    HWND Dialog() const { return m_dialog; }

    // Left-clicks the middle of the control with the mouse.
    void Click(int id);
    // Waits until the message list holds at least count lines (false on time-out).
    bool WaitForLines(int count);
    // Waits until the message list holds no line (false on time-out).
    bool WaitForEmptyList();
    std::vector<std::wstring> Lines() const;
    bool IsChecked(int id) const;
    std::wstring Text(int id) const;
    // Asks the window to close; true when the process ended with it.
    bool Close();

private:
    PROCESS_INFORMATION m_process{};
    HWND m_dialog = nullptr;
};

std::vector<unsigned char> ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const std::vector<unsigned char>& bytes);
// A Unix path as Wine sees it (through drive Z:); Windows paths pass unchanged.
std::wstring WindowsPath(const std::string& path);
