// A fresh folder under the temporary directory, removed with its files when
// the object goes.
#pragma once

#include <string>

class TempFolder {
public:
    // prefix names the folder, e.g. L"vantrel-e2e"; check Created().
    explicit TempFolder(const std::wstring& prefix);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    bool Created() const { return !m_path.empty(); }
    const std::wstring& Path() const { return m_path; }
    std::wstring File(const wchar_t* name) const { return m_path + L"\\" + name; }

private:
    std::wstring m_path;
};
