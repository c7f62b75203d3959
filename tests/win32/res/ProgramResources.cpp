#include "tests/win32/res/ProgramResources.h"

namespace {

std::string NameOf(LPCWSTR name) {
    if (IS_INTRESOURCE(name)) return "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name));
    std::string s;
    for (const wchar_t* p = name; *p; ++p) s.push_back(*p < 0x80 ? static_cast<char>(*p) : '?');
    return s;
}

struct Listing {
    std::vector<std::string>* out;
    std::string type;
    std::string name;
    bool failed = false;
};

// The callbacks run inside the system's enumeration: nothing may escape them.
BOOL CALLBACK OnLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR param) {
    auto* l = reinterpret_cast<Listing*>(param);
    try {
        l->out->push_back(l->type + "/" + l->name + "/" + std::to_string(language));
    } catch (...) {
        l->failed = true;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK OnName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR param) {
    auto* l = reinterpret_cast<Listing*>(param);
    try {
        l->name = NameOf(name);
    } catch (...) {
        l->failed = true;
        return FALSE;
    }
    return EnumResourceLanguagesW(module, type, name, OnLanguage, param) || !l->failed;
}

BOOL CALLBACK OnType(HMODULE module, LPWSTR type, LONG_PTR param) {
    auto* l = reinterpret_cast<Listing*>(param);
    try {
        l->type = NameOf(type);
    } catch (...) {
        l->failed = true;
        return FALSE;
    }
    return EnumResourceNamesW(module, type, OnName, param) || !l->failed;
}

}  // namespace

ProgramResources::ProgramResources(const std::wstring& path) {
    module_ = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module_) loadError_ = GetLastError();
}

ProgramResources::~ProgramResources() {
    if (module_) FreeLibrary(module_);
}

bool ProgramResources::Find(LPCWSTR type, LPCWSTR name, WORD language,
                            std::vector<uint8_t>& bytes) const {
    bytes.clear();
    HRSRC found = FindResourceExW(module_, type, name, language);
    if (!found) return false;
    const DWORD size = SizeofResource(module_, found);
    HGLOBAL loaded = LoadResource(module_, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return false;
    const auto* p = static_cast<const uint8_t*>(data);
    bytes.assign(p, p + size);
    return true;
}

std::vector<std::string> ProgramResources::List() const {
    std::vector<std::string> out;
    Listing listing{&out, {}, {}};
    if (!EnumResourceTypesW(module_, OnType, reinterpret_cast<LONG_PTR>(&listing)) ||
        listing.failed) {
        out.push_back("(listing failed)");
    }
    return out;
}
