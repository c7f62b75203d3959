// Reads the resources back from the built program (loaded as data) and
// compares them with the tables: both dialog templates control by control,
// the About item's string, the icon group, the version resource, the
// manifest, the language of each, and the identifiers of resource.h.
//
// Usage: resources_test PATH-OF-vantrel.exe [GoogleTest flags]
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/win32/res/ByteReader.h"
#include "tests/win32/res/DialogTemplate.h"
#include "tests/win32/res/ProgramResources.h"
#include "tests/win32/res/VersionBlock.h"

namespace {

constexpr WORD kChinese = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);  // 2052
constexpr WORD kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);        // 1033

// Class atoms of the predefined controls.
constexpr uint16_t kButton = 0x0080;
constexpr uint16_t kEdit = 0x0081;
constexpr uint16_t kStatic = 0x0082;
constexpr uint16_t kListBox = 0x0083;

// The "shown" and "hidden" columns of the tables: every control is a child.
constexpr DWORD kShown = WS_CHILD | WS_VISIBLE;
constexpr DWORD kHidden = WS_CHILD;

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], n,
                        nullptr, nullptr);
    return out;
}

std::string Hex(uint32_t v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08lX", static_cast<unsigned long>(v));
    return buf;
}

std::string Describe(const NameOrOrdinal& v) {
    switch (v.kind) {
    case NameOrOrdinal::kNone: return "none";
    case NameOrOrdinal::kOrdinal: return "#" + std::to_string(v.ordinal);
    case NameOrOrdinal::kText: return "\"" + Utf8(v.text) + "\"";
    }
    return "?";
}

std::string DescribeClass(const NameOrOrdinal& v) {
    if (v.kind == NameOrOrdinal::kOrdinal) {
        switch (v.ordinal) {
        case kButton: return "atom Button";
        case kEdit: return "atom Edit";
        case kStatic: return "atom Static";
        case kListBox: return "atom ListBox";
        default: break;
        }
    }
    return Describe(v);
}

std::string DescribeItem(const DialogItem& i) {
    return DescribeClass(i.windowClass) + ", id " + std::to_string(static_cast<int32_t>(i.id)) +
           ", text " + Describe(i.title) + ", style " + Hex(i.style) + ", exstyle " +
           Hex(i.exStyle) + ", at " + std::to_string(i.x) + "," + std::to_string(i.y) +
           ", size " + std::to_string(i.cx) + "x" + std::to_string(i.cy) + ", help " +
           std::to_string(i.helpId) + ", extra " + std::to_string(i.extraSize);
}

std::string DescribeHeader(const DialogTemplate& t) {
    return "version " + std::to_string(t.version) + ", signature " + Hex(t.signature) +
           ", help " + std::to_string(t.helpId) + ", exstyle " + Hex(t.exStyle) + ", style " +
           Hex(t.style) + ", items " + std::to_string(t.itemCount) + ", at " +
           std::to_string(t.x) + "," + std::to_string(t.y) + ", size " + std::to_string(t.cx) +
           "x" + std::to_string(t.cy) + ", menu " + Describe(t.menu) + ", class " +
           Describe(t.windowClass) + ", title \"" + Utf8(t.title) + "\", font " +
           std::to_string(t.pointSize) + " pt weight " + std::to_string(t.weight) + " italic " +
           std::to_string(t.italic) + " charset " + std::to_string(t.charset) + " \"" +
           Utf8(t.typeface) + "\"";
}

// The program under test: the first argument that is not a GoogleTest flag.
std::wstring ProgramPath() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::wstring path;
    for (int i = 1; argv && i < argc; ++i) {
        if (std::wcsncmp(argv[i], L"--gtest", 7) != 0) {
            path = argv[i];
            break;
        }
    }
    LocalFree(argv);
    return path;
}

class Resources : public ::testing::Test {
protected:
    static void SetUpTestSuite() { program_ = std::make_unique<ProgramResources>(ProgramPath()); }
    static void TearDownTestSuite() { program_.reset(); }

    void SetUp() override {
        ASSERT_TRUE(program_->Loaded())
            << "cannot load \"" << Utf8(ProgramPath()) << "\" as data, error "
            << program_->LoadError() << "; usage: resources_test PATH-OF-vantrel.exe";
    }

    // The resource's bytes in exactly this language; a failure if it is absent.
    static std::vector<uint8_t> Get(LPCWSTR type, LPCWSTR name, WORD language) {
        std::vector<uint8_t> bytes;
        if (!program_->Find(type, name, language, bytes)) {
            ADD_FAILURE() << "resource type " << reinterpret_cast<ULONG_PTR>(type) << " name "
                          << reinterpret_cast<ULONG_PTR>(name) << " language " << language
                          << " not found";
        }
        return bytes;
    }

    static inline std::unique_ptr<ProgramResources> program_;
};

// One row of a control table, in template order.
struct ControlRow {
    const char* label;
    uint16_t classAtom;
    int32_t id;
    NameOrOrdinal text;
    DWORD style;
    int16_t x, y, cx, cy;
};

struct DialogCase {
    const char* label;
    WORD id;
    DWORD exStyle;
    DWORD style;
    int16_t cx, cy;
    const wchar_t* caption;
    uint8_t charset;
    std::vector<ControlRow> controls;
};

NameOrOrdinal T(const wchar_t* text) { return NameOrOrdinal::Text(text); }

const std::vector<DialogCase>& DialogCases() {
    static const std::vector<DialogCase> cases = {
        {"IDD_MAIN_DIALOG", 102, WS_EX_APPWINDOW, 0x90C800C0, 416, 346, L"Vantrel V1.0", 1,
         {
             {"1 IDC_SET_KEY", kButton, 1000, T(L"设置密钥"), kHidden | WS_TABSTOP | BS_PUSHBUTTON, 189, 95, 69, 20},
             {"2 IDC_FIND_CARD", kButton, 1001, T(L"Find card"), kHidden | WS_TABSTOP | BS_PUSHBUTTON, 8, 179, 50, 14},
             {"3 IDC_LOAD_KEY", kButton, 1002, T(L"Load key"), kHidden | WS_TABSTOP | BS_PUSHBUTTON, 7, 143, 50, 14},
             {"4 IDC_VERIFY_CARD", kButton, 1003, T(L"Verify Card"), kHidden | WS_TABSTOP | BS_PUSHBUTTON, 7, 234, 50, 14},
             {"5 IDC_CARD_FUNC", kButton, 1004, T(L"Card Func"), kHidden | WS_TABSTOP | BS_PUSHBUTTON, 7, 197, 50, 14},
             {"6 IDC_DEV_FUNC", kButton, 1005, T(L"Dev Func"), kHidden | WS_TABSTOP | BS_PUSHBUTTON, 7, 163, 50, 14},
             {"7 IDC_HALT_CARD", kButton, 1006, T(L"Halt Card"), kHidden | WS_TABSTOP | BS_PUSHBUTTON, 7, 325, 50, 14},
             {"8 IDC_LOG_LIST", kListBox, 1007, {}, kShown | WS_TABSTOP | WS_BORDER | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 20, 129, 376, 200},
             {"9 IDC_CLOSE_DEVICE", kButton, 1008, T(L"Close Device"), kHidden | WS_TABSTOP | BS_PUSHBUTTON, 7, 215, 55, 14},
             {"10 IDC_KEY_EDIT", kEdit, 1011, {}, kHidden | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_UPPERCASE, 117, 98, 61, 14},
             {"11 key label", kStatic, -1, T(L"特征码密钥(8位)："), kHidden | WS_GROUP | SS_CENTER, 47, 101, 69, 10},
             {"12 IDC_CLEAR_DISPLAY", kButton, 1012, T(L"Clear Display"), kShown | WS_TABSTOP | BS_PUSHBUTTON, 283, 102, 112, 20},
             {"13 Output Order box", kButton, -1, T(L"Output Order"), kShown | BS_GROUPBOX, 21, 54, 119, 37},
             {"14 IDC_ORDER_DEFAULT", kButton, 1013, T(L"Default"), kShown | WS_GROUP | BS_AUTORADIOBUTTON, 37, 69, 44, 10},
             {"15 IDC_ORDER_REVERSE", kButton, 1014, T(L"Reverse"), kShown | BS_AUTORADIOBUTTON, 89, 69, 44, 10},
             {"16 Set Card Type box", kButton, -1, T(L"Set Card Type"), kShown | BS_GROUPBOX, 21, 12, 248, 37},
             {"17 IDC_TYPE_A", kButton, 1016, T(L"TypeA"), kShown | WS_TABSTOP | BS_AUTOCHECKBOX, 37, 29, 36, 10},
             {"18 IDC_TYPE_B", kButton, 1017, T(L"TypeB"), kShown | WS_TABSTOP | BS_AUTOCHECKBOX, 85, 29, 36, 10},
             {"19 IDC_TYPE_125K", kButton, 1018, T(L"125kID"), kShown | WS_TABSTOP | BS_AUTOCHECKBOX, 135, 29, 40, 10},
             {"20 Output Format box", kButton, -1, T(L"Output Format"), kShown | BS_GROUPBOX, 148, 54, 121, 37},
             {"21 IDC_FORMAT_DECIMAL", kButton, 1015, T(L"Decimal"), kShown | WS_GROUP | BS_AUTORADIOBUTTON, 158, 70, 44, 10},
             {"22 IDC_FORMAT_HEX", kButton, 1019, T(L"Hexadecimal"), kShown | BS_AUTORADIOBUTTON, 204, 70, 60, 10},
             {"23 Check Code box", kButton, -1, T(L"Check Code"), kHidden | BS_GROUPBOX, 279, 54, 119, 37},
             {"24 IDC_CHECK_CODE_ADD", kButton, 1020, T(L"Add"), kHidden | WS_TABSTOP | BS_AUTOCHECKBOX, 293, 70, 28, 10},
             {"25 IDC_GET_CONFIG", kButton, 1021, T(L"Get"), kShown | WS_TABSTOP | BS_PUSHBUTTON, 283, 21, 112, 20},
             {"26 IDC_SET_CONFIG", kButton, 1022, T(L"Set"), kShown | WS_TABSTOP | BS_PUSHBUTTON, 283, 62, 112, 20},
         }},
        {"IDD_ABOUTBOX", 100, 0, 0x800800C0, 235, 56, L"", 0,
         {
             {"1 icon", kStatic, -1, NameOrOrdinal::Ordinal(128), kShown | SS_ICON, 11, 17, 20, 20},
             {"2 name", kStatic, -1, T(L"Vantrel V1.0"), kShown | WS_GROUP | SS_LEFT | SS_NOPREFIX, 40, 10, 159, 8},
             {"3 notice", kStatic, -1, T(L"Copyright (C) 2026"), kShown | WS_GROUP | SS_LEFT, 40, 41, 119, 8},
             {"4 IDOK", kButton, 1, T(L"Ok"), kShown | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 178, 7, 50, 14},
         }},
    };
    return cases;
}

TEST(ResourceIds, AreTheTablesValues) {
    struct Row {
        const char* name;
        long value;
        long expected;
    };
    const Row rows[] = {
        {"IDD_ABOUTBOX", IDD_ABOUTBOX, 100},
        {"IDS_ABOUTBOX", IDS_ABOUTBOX, 101},
        {"IDD_MAIN_DIALOG", IDD_MAIN_DIALOG, 102},
        {"IDR_MAINFRAME", IDR_MAINFRAME, 128},
        {"IDM_ABOUTBOX", IDM_ABOUTBOX, 0x0010},
        {"IDC_STATIC", IDC_STATIC, -1},
        {"IDC_SET_KEY", IDC_SET_KEY, 1000},
        {"IDC_FIND_CARD", IDC_FIND_CARD, 1001},
        {"IDC_LOAD_KEY", IDC_LOAD_KEY, 1002},
        {"IDC_VERIFY_CARD", IDC_VERIFY_CARD, 1003},
        {"IDC_CARD_FUNC", IDC_CARD_FUNC, 1004},
        {"IDC_DEV_FUNC", IDC_DEV_FUNC, 1005},
        {"IDC_HALT_CARD", IDC_HALT_CARD, 1006},
        {"IDC_LOG_LIST", IDC_LOG_LIST, 1007},
        {"IDC_CLOSE_DEVICE", IDC_CLOSE_DEVICE, 1008},
        {"IDC_KEY_EDIT", IDC_KEY_EDIT, 1011},
        {"IDC_CLEAR_DISPLAY", IDC_CLEAR_DISPLAY, 1012},
        {"IDC_ORDER_DEFAULT", IDC_ORDER_DEFAULT, 1013},
        {"IDC_ORDER_REVERSE", IDC_ORDER_REVERSE, 1014},
        {"IDC_FORMAT_DECIMAL", IDC_FORMAT_DECIMAL, 1015},
        {"IDC_TYPE_A", IDC_TYPE_A, 1016},
        {"IDC_TYPE_B", IDC_TYPE_B, 1017},
        {"IDC_TYPE_125K", IDC_TYPE_125K, 1018},
        {"IDC_FORMAT_HEX", IDC_FORMAT_HEX, 1019},
        {"IDC_CHECK_CODE_ADD", IDC_CHECK_CODE_ADD, 1020},
        {"IDC_GET_CONFIG", IDC_GET_CONFIG, 1021},
        {"IDC_SET_CONFIG", IDC_SET_CONFIG, 1022},
    };
    for (const Row& row : rows) EXPECT_EQ(row.expected, row.value) << row.name;
}

TEST_F(Resources, AreExactlyTheseInTheirLanguages) {
    // type/name/language; RT_ICON 3, RT_DIALOG 5, RT_STRING 6 (block 7 holds
    // string 101), RT_GROUP_ICON 14, RT_VERSION 16, RT_MANIFEST 24.
    std::vector<std::string> expected = {
        "#3/#1/2052", "#3/#2/2052", "#3/#3/2052", "#3/#4/2052", "#3/#5/2052",
        "#3/#6/2052", "#3/#7/2052", "#3/#8/2052", "#3/#9/2052",
        "#5/#100/2052", "#5/#102/2052", "#6/#7/2052", "#14/#128/2052",
        "#16/#1/2052", "#24/#1/1033",
    };
    std::vector<std::string> actual = program_->List();
    std::sort(expected.begin(), expected.end());
    std::sort(actual.begin(), actual.end());
    EXPECT_EQ(expected, actual);
}

TEST_F(Resources, DialogTemplatesMatchTheControlTables) {
    for (const DialogCase& c : DialogCases()) {
        SCOPED_TRACE(c.label);
        DialogTemplate t;
        std::string error;
        ASSERT_TRUE(ParseDialogTemplateEx(Get(RT_DIALOG, MAKEINTRESOURCEW(c.id), kChinese), t, error))
            << error;

        DialogTemplate want;
        want.version = 1;
        want.signature = 0xFFFF;
        want.exStyle = c.exStyle;
        want.style = c.style;
        want.itemCount = static_cast<uint16_t>(c.controls.size());
        want.cx = c.cx;
        want.cy = c.cy;
        want.title = c.caption;
        want.pointSize = 9;
        want.charset = c.charset;
        want.typeface = L"宋体";
        EXPECT_EQ(DescribeHeader(want), DescribeHeader(t));

        ASSERT_EQ(c.controls.size(), t.items.size());
        for (size_t i = 0; i < c.controls.size(); ++i) {
            const ControlRow& row = c.controls[i];
            DialogItem item;
            item.style = row.style;
            item.x = row.x;
            item.y = row.y;
            item.cx = row.cx;
            item.cy = row.cy;
            item.id = static_cast<uint32_t>(row.id);
            item.windowClass = NameOrOrdinal::Ordinal(row.classAtom);
            item.title = row.text;
            EXPECT_EQ(DescribeItem(item), DescribeItem(t.items[i])) << "row " << row.label;
        }
    }
}

TEST_F(Resources, StringTableHoldsTheAboutItemText) {
    // Strings are stored sixteen to a block, each as a length and UTF-16 text.
    const std::vector<uint8_t> block =
        Get(RT_STRING, MAKEINTRESOURCEW(IDS_ABOUTBOX / 16 + 1), kChinese);
    ByteReader r(block);
    std::vector<std::wstring> actual;
    for (int i = 0; i < 16; ++i) {
        std::wstring s(r.Word(), L'\0');
        for (wchar_t& ch : s) ch = static_cast<wchar_t>(r.Word());
        actual.push_back(s);
    }
    ASSERT_TRUE(r.Ok()) << "string block cut short";
    std::vector<std::wstring> expected(16);
    expected[IDS_ABOUTBOX % 16] = L"About Vantrel V1.0(&A)...";
    for (size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(Utf8(expected[i]), Utf8(actual[i])) << "string " << (IDS_ABOUTBOX / 16 * 16 + i);
    }
}

TEST_F(Resources, IconGroupHasNineImagesInThreeSizesAndDepths) {
    const std::vector<uint8_t> group = Get(RT_GROUP_ICON, MAKEINTRESOURCEW(IDR_MAINFRAME), kChinese);
    ByteReader r(group);
    EXPECT_EQ(0, r.Word()) << "reserved";
    EXPECT_EQ(1, r.Word()) << "type: icon";
    const uint16_t count = r.Word();

    struct Entry {
        int size, colours, planes, bits;
        std::string image;  // what the image itself says
        bool operator<(const Entry& o) const {
            return size != o.size ? size > o.size : bits < o.bits;
        }
    };
    std::vector<Entry> actual;
    for (uint16_t i = 0; i < count && r.Ok(); ++i) {
        Entry e{};
        const int width = r.Byte();
        const int height = r.Byte();
        e.size = width == height ? width : -1;
        e.colours = r.Byte();
        r.Byte();
        e.planes = r.Word();
        e.bits = r.Word();
        const uint32_t bytesInRes = r.DWord();
        const uint16_t id = r.Word();

        const std::vector<uint8_t> image = Get(RT_ICON, MAKEINTRESOURCEW(id), kChinese);
        ByteReader bmp(image);
        const uint32_t headerSize = bmp.DWord();
        const auto bmpWidth = static_cast<int32_t>(bmp.DWord());
        const auto bmpHeight = static_cast<int32_t>(bmp.DWord());
        bmp.Word();
        const uint16_t bmpBits = bmp.Word();
        // Header, palette, colour rows and AND-mask rows, rows padded to 4 bytes.
        const size_t palette = bmpBits <= 8 ? (size_t{1} << bmpBits) * 4 : 0;
        const auto rowBytes = [&](size_t bitsPerPixel) {
            return (size_t(bmpWidth) * bitsPerPixel + 31) / 32 * 4;
        };
        const size_t height1 = size_t(bmpHeight / 2);
        const size_t expectedSize = 40 + palette + (rowBytes(bmpBits) + rowBytes(1)) * height1;
        HICON icon = CreateIconFromResourceEx(const_cast<PBYTE>(image.data()),
                                              static_cast<DWORD>(image.size()), TRUE, 0x00030000,
                                              width, height, LR_DEFAULTCOLOR);
        e.image = "bmp header " + std::to_string(headerSize) + ", " + std::to_string(bmpWidth) +
                  "x" + std::to_string(bmpHeight) + " " + std::to_string(bmpBits) + "-bit, " +
                  (image.size() == bytesInRes ? "size as listed" : "size differs from the list") +
                  (image.size() == expectedSize ? ", complete" : ", wrong length") +
                  (icon ? ", loads" : ", does not load");
        if (icon) DestroyIcon(icon);
        actual.push_back(e);
    }
    ASSERT_TRUE(r.Ok()) << "icon group cut short";

    std::vector<Entry> expected;
    for (int size : {48, 32, 16}) {
        for (int bits : {4, 8, 24}) {
            expected.push_back({size, bits == 4 ? 16 : 0, 1, bits,
                                "bmp header 40, " + std::to_string(size) + "x" +
                                    std::to_string(2 * size) + " " + std::to_string(bits) +
                                    "-bit, size as listed, complete, loads"});
        }
    }
    std::sort(actual.begin(), actual.end());
    ASSERT_EQ(expected.size(), actual.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const Entry& w = expected[i];
        const Entry& a = actual[i];
        const std::string label = std::to_string(w.size) + " px " + std::to_string(w.bits) + "-bit";
        EXPECT_EQ(w.size, a.size) << label;
        EXPECT_EQ(w.colours, a.colours) << label << ": colour count";
        EXPECT_EQ(w.planes, a.planes) << label << ": planes";
        EXPECT_EQ(w.bits, a.bits) << label;
        EXPECT_EQ(w.image, a.image) << label;
    }
}

TEST_F(Resources, VersionResourceHasTheFixedInfoAndStrings) {
    VersionBlock root;
    std::string error;
    ASSERT_TRUE(ParseVersionBlock(Get(RT_VERSION, MAKEINTRESOURCEW(1), kChinese), root, error))
        << error;
    EXPECT_EQ("VS_VERSION_INFO", Utf8(root.key));

    ASSERT_EQ(sizeof(VS_FIXEDFILEINFO), root.value.size());
    VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, root.value.data(), sizeof fixed);
    const struct {
        const char* field;
        DWORD actual, expected;
    } fields[] = {
        {"signature", fixed.dwSignature, 0xFEEF04BD},
        {"file version, high", fixed.dwFileVersionMS, 0x00010000},
        {"file version, low", fixed.dwFileVersionLS, 0},
        {"product version, high", fixed.dwProductVersionMS, 0x00010000},
        {"product version, low", fixed.dwProductVersionLS, 0},
        {"flags", fixed.dwFileFlags & fixed.dwFileFlagsMask, 0},
        {"operating system", fixed.dwFileOS, VOS_NT_WINDOWS32},
        {"file type", fixed.dwFileType, VFT_APP},
        {"file subtype", fixed.dwFileSubtype, 0},
    };
    for (const auto& f : fields) EXPECT_EQ(Hex(f.expected), Hex(f.actual)) << f.field;

    // Exactly one string table, 0804 with code page 04b0, and the translation.
    std::map<std::string, std::string> strings;
    std::vector<std::string> layout;
    for (const VersionBlock& child : root.children) {
        layout.push_back(Utf8(child.key));
        for (const VersionBlock& table : child.children) {
            layout.push_back(Utf8(child.key) + "/" + Utf8(table.key));
            if (child.key == L"StringFileInfo") {
                for (const VersionBlock& s : table.children) strings[Utf8(s.key)] = Utf8(s.Text());
            } else if (table.key == L"Translation") {
                ByteReader v(table.value);
                const unsigned language = v.Word();
                const unsigned codePage = v.Word();
                char pair[32];
                std::snprintf(pair, sizeof pair, "0x%04X 0x%04X", language, codePage);
                layout.back() += std::string(" = ") + pair +
                                 (table.value.size() == 4 ? "" : " and more");
            }
        }
    }
    const std::vector<std::string> expectedLayout = {
        "StringFileInfo", "StringFileInfo/080404b0",
        "VarFileInfo", "VarFileInfo/Translation = 0x0804 0x04B0",
    };
    EXPECT_EQ(expectedLayout, layout);
    const std::map<std::string, std::string> expectedStrings = {
        {"FileDescription", "Vantrel V1.0"},
        {"FileVersion", "1, 0, 0, 0"},
        {"InternalName", "Vantrel V1.0"},
        {"LegalCopyright", "Copyright (C) 2026"},
        {"OriginalFilename", "vantrel.exe"},
        {"ProductName", "Vantrel V1.0"},
        {"ProductVersion", "1, 0, 0, 0"},
    };
    EXPECT_EQ(expectedStrings, strings);
}

TEST_F(Resources, ManifestAsksForAsInvokerAndNoCommonControls6) {
    const std::vector<uint8_t> bytes = Get(RT_MANIFEST, MAKEINTRESOURCEW(1), kEnglishUs);
    const std::string text(bytes.begin(), bytes.end());
    const struct {
        const char* what;
        const char* needle;
        bool present;
    } rows[] = {
        {"execution level", "level=\"asInvoker\"", true},
        {"UI access", "uiAccess=\"false\"", true},
        {"common controls", "Microsoft.Windows.Common-Controls", false},
        {"dependencies", "<dependency", false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.present, text.find(row.needle) != std::string::npos)
            << row.what << ": \"" << row.needle << "\" in\n" << text;
    }

    // The loader itself must accept it: a manifest it cannot parse stops the
    // program from starting on Windows.
    const std::wstring path = ProgramPath();
    ACTCTXW context{};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = path.c_str();
    context.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE handle = CreateActCtxW(&context);
    EXPECT_NE(INVALID_HANDLE_VALUE, handle) << "activation context: error " << GetLastError();
    if (handle != INVALID_HANDLE_VALUE) ReleaseActCtx(handle);
}

}  // namespace
