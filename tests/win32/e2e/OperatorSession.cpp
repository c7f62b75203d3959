#include "tests/win32/e2e/OperatorSession.h"

namespace {

constexpr DWORD kTimeoutMs = 10000;
constexpr DWORD kPollMs = 20;

HWND FindDialog(DWORD processId) {
    HWND found = nullptr;
    for (HWND w = FindWindowW(L"#32770", L"Vantrel V1.0"); w;
         w = FindWindowExW(nullptr, w, L"#32770", L"Vantrel V1.0")) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == processId && IsWindowVisible(w)) {
            found = w;
            break;
        }
    }
    return found;
}

template <typename Pred>
bool WaitUntil(Pred pred) {
    for (DWORD waited = 0; waited < kTimeoutMs; waited += kPollMs) {
        if (pred()) return true;
        Sleep(kPollMs);
    }
    return pred();
}

}  // namespace

OperatorSession::OperatorSession(const std::wstring& exePath, const std::wstring& simDir) {
    SetEnvironmentVariableW(L"ZELDRV_SIM_DIR", simDir.c_str());
    std::wstring commandLine = L"\"" + exePath + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &m_process))
        return;
    const DWORD pid = m_process.dwProcessId;
    // The dialog can be found before its controls exist: wait for it to be shown.
    WaitUntil([&] { return (m_dialog = FindDialog(pid)) != nullptr; });
}

OperatorSession::~OperatorSession() {
    if (m_process.hProcess) {
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(m_process.hProcess, 1);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
}

void OperatorSession::Click(int id) {
    HWND control = GetDlgItem(m_dialog, id);
    RECT rect;
    if (!control || !GetWindowRect(control, &rect)) return;
    SetForegroundWindow(m_dialog);
    // The program has handled everything sent so far, so it is ready for input.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(m_dialog, WM_NULL, 0, 0, SMTO_NORMAL, kTimeoutMs, &ignored);
    // Move onto the control first, as a hand does: a press at a position the
    // pointer already had may reach the window that was there before.
    const int x = (rect.left + rect.right) / 2;
    const int y = (rect.top + rect.bottom) / 2;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input[3] = {};
    for (INPUT& in : input) in.type = INPUT_MOUSE;
    input[0].mi.dx = static_cast<LONG>((x * 65536 + width / 2) / width);
    input[0].mi.dy = static_cast<LONG>((y * 65536 + height / 2) / height);
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SetCursorPos(x > 0 ? x - 1 : x + 1, y);
    SendInput(3, input, sizeof(INPUT));
}

bool OperatorSession::WaitForLines(int count) {
    HWND list = GetDlgItem(m_dialog, 1007);
    return WaitUntil([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) >= count; });
}

bool OperatorSession::WaitForEmptyList() {
    HWND list = GetDlgItem(m_dialog, 1007);
    return WaitUntil([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == 0; });
}

std::vector<std::wstring> OperatorSession::Lines() const {
    std::vector<std::wstring> lines;
    HWND list = GetDlgItem(m_dialog, 1007);
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length < 0) break;
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<size_t>(length));
        lines.push_back(text);
    }
    return lines;
}

bool OperatorSession::IsChecked(int id) const {
    return SendDlgItemMessageW(m_dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::wstring OperatorSession::Text(int id) const {
    wchar_t text[64] = {};
    SendDlgItemMessageW(m_dialog, id, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    return text;
}

bool OperatorSession::Close() {
    PostMessageW(m_dialog, WM_CLOSE, 0, 0);
    return WaitForSingleObject(m_process.hProcess, kTimeoutMs) == WAIT_OBJECT_0;
}

std::vector<unsigned char> ReadFileBytes(const std::wstring& path) {
    std::vector<unsigned char> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    unsigned char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    CloseHandle(file);
    return bytes;
}

bool WriteFileBytes(const std::wstring& path, const std::vector<unsigned char>& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

std::wstring WindowsPath(const std::string& path) {
    std::wstring wide(path.begin(), path.end());
    if (!wide.empty() && wide[0] == L'/') {
        for (wchar_t& c : wide)
            if (c == L'/') c = L'\\';
        wide = L"Z:" + wide;
    }
    return wide;
}
