// Both dialog templates read back from the module's resources, field by field.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwctype>
#include <string>
#include <vector>

namespace {

struct ControlLayout
{
    int id;
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    short x, y, cx, cy;
};

struct DialogLayout
{
    WORD id;
    const wchar_t* caption;
    DWORD style;
    short cx, cy;
    std::vector<ControlLayout> controls;
};

const DWORD kSwatch = 0x50011106;
const DWORD kLabel = 0x50020000;

// Control ids are written as numbers: they are what the templates fix, and a wrong number in
// resource.h must fail here, which a name taken from it would not.
const DialogLayout kSettings{
    12000, L"구멍선색일괄변경", 0x80C800C8, 227, 323,
    {
        { 1, L"button", L"확인", 0x50010001, 61, 288, 50, 14 },
        { 2, L"button", L"취소", 0x50010000, 114, 288, 50, 14 },
        { 12020, L"static", L"●. 101~199(드릴) : ", kLabel, 26, 32, 93, 8 },
        { 12011, L"static", L"", kSwatch, 153, 27, 20, 18 },
        { -1, L"button", L"", 0x50000007, 14, 16, 199, 258 },
        { 12021, L"static", L"●. 201~299(보링) : ", kLabel, 26, 54, 93, 8 },
        { 12022, L"static", L"●. 301~399(리머) : ", kLabel, 26, 75, 92, 8 },
        { 12023, L"static", L"●. 401~499(탭) : ", kLabel, 26, 95, 91, 8 },
        { 12024, L"static", L"●. 501~599(카운터보어) : ", kLabel, 26, 117, 92, 8 },
        { 12025, L"static", L"●. 601~699(JG) : ", kLabel, 26, 138, 90, 8 },
        { 12026, L"static", L"●. 701~799(JB) : ", kLabel, 26, 159, 92, 8 },
        { 12027, L"static", L"●. 801~899(WC) : ", kLabel, 26, 180, 94, 8 },
        { 12028, L"static", L"●. 901~999(밀링) : ", kLabel, 26, 200, 92, 8 },
        { 12029, L"static", L"●. 1001~1099(장공) : ", kLabel, 26, 222, 92, 8 },
        { 12032, L"static", L"●. 미정 : ", kLabel, 26, 242, 97, 8 },
        { 12012, L"static", L"", kSwatch, 153, 48, 20, 18 },
        { 12013, L"static", L"", kSwatch, 153, 69, 20, 18 },
        { 12014, L"static", L"", kSwatch, 153, 90, 20, 18 },
        { 12015, L"static", L"", kSwatch, 178, 90, 20, 18 },
        { 12016, L"static", L"", kSwatch, 153, 111, 20, 18 },
        { 12017, L"static", L"", kSwatch, 153, 132, 20, 18 },
        { 12018, L"static", L"", kSwatch, 153, 153, 20, 18 },
        { 12019, L"static", L"", kSwatch, 153, 174, 20, 18 },
        { 12030, L"static", L"", kSwatch, 153, 195, 20, 18 },
        { 12031, L"static", L"", kSwatch, 153, 216, 20, 18 },
        { 12033, L"static", L"", kSwatch, 153, 237, 20, 18 },
    },
};

const DialogLayout kPicker{
    17079, L"Color Property", 0x80C800CC, 212, 88,
    {
        { 17015, L"static", L"", kSwatch, 12, 11, 20, 18 },
        { 17032, L"static", L"", kSwatch, 36, 11, 20, 18 },
        { 17033, L"static", L"", kSwatch, 60, 11, 20, 18 },
        { 17034, L"static", L"", kSwatch, 83, 11, 20, 18 },
        { 17035, L"static", L"", kSwatch, 107, 11, 20, 18 },
        { 17036, L"static", L"", kSwatch, 131, 11, 20, 18 },
        { 17037, L"static", L"", kSwatch, 155, 11, 20, 18 },
        { 17038, L"static", L"", kSwatch, 179, 11, 20, 18 },
        { 17039, L"static", L"", kSwatch, 12, 33, 20, 18 },
        { 17040, L"static", L"", kSwatch, 36, 33, 20, 18 },
        { 17041, L"static", L"", kSwatch, 60, 33, 20, 18 },
        { 17042, L"static", L"", kSwatch, 83, 33, 20, 18 },
        { 17043, L"static", L"", kSwatch, 107, 33, 20, 18 },
        { 17044, L"static", L"", kSwatch, 131, 33, 20, 18 },
        { 17045, L"static", L"", kSwatch, 155, 33, 20, 18 },
        { 17046, L"static", L"", kSwatch, 179, 33, 20, 18 },
        { 1, L"button", L"OK", 0x50010000, 57, 62, 50, 14 },
        { 2, L"button", L"CANCEL", 0x50010000, 108, 62, 50, 14 },
    },
};

// Reads a DLGTEMPLATEEX without trusting it: every read is checked against the resource's size.
class TemplateReader
{
public:
    TemplateReader(const BYTE* data, DWORD size) : m_data(data), m_size(size) {}

    template <class T> T Read()
    {
        T value{};
        if (m_pos + sizeof(T) > m_size) {
            m_failed = true;
            return value;
        }
        memcpy(&value, m_data + m_pos, sizeof(T));
        m_pos += sizeof(T);
        return value;
    }

    // A string or an ordinal (0xFFFF then a WORD), as "#n" for an ordinal.
    std::wstring ReadSzOrOrdinal()
    {
        const WORD first = Read<WORD>();
        if (first == 0xFFFF)
            return L"#" + std::to_wstring(Read<WORD>());
        std::wstring text;
        for (WORD ch = first; ch != 0 && !m_failed; ch = Read<WORD>())
            text += static_cast<wchar_t>(ch);
        return text;
    }

    void AlignDword() { m_pos = (m_pos + 3) & ~static_cast<size_t>(3); }
    void Skip(size_t bytes) { m_pos += bytes; }
    bool Failed() const { return m_failed || m_pos > m_size; }

private:
    const BYTE* m_data;
    size_t m_size;
    size_t m_pos = 0;
    bool m_failed = false;
};

// The predefined classes by their template ordinals, and names without regard to case.
std::wstring ClassName(std::wstring raw)
{
    if (raw == L"#128")
        return L"button";
    if (raw == L"#130")
        return L"static";
    for (wchar_t& ch : raw)
        ch = static_cast<wchar_t>(std::towlower(ch));
    return raw;
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR param)
{
    reinterpret_cast<std::vector<WORD>*>(param)->push_back(language);
    return TRUE;
}

// The module that carries the dialogs: the plug-in when it is built next to the tests, else this
// executable, which links the same resource script.
HMODULE ResourceModule()
{
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dll(path, length);
    dll = dll.substr(0, dll.find_last_of(L"\\/") + 1) + L"Rimtone.dll";
    HMODULE module = ::LoadLibraryExW(dll.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    return module ? module : ::GetModuleHandleW(nullptr);
}

void CheckTemplate(HMODULE module, const DialogLayout& layout)
{
    SCOPED_TRACE(layout.id);
    std::vector<WORD> languages;
    ::EnumResourceLanguagesW(module, RT_DIALOG, MAKEINTRESOURCEW(layout.id), &CollectLanguage,
                             reinterpret_cast<LONG_PTR>(&languages));
    ASSERT_EQ(languages, std::vector<WORD>{ 0x412 });

    HRSRC resource = ::FindResourceExW(module, RT_DIALOG, MAKEINTRESOURCEW(layout.id), 0x412);
    ASSERT_NE(resource, nullptr);
    const auto* data = static_cast<const BYTE*>(::LockResource(::LoadResource(module, resource)));
    ASSERT_NE(data, nullptr);
    TemplateReader reader(data, ::SizeofResource(module, resource));

    EXPECT_EQ(reader.Read<WORD>(), 1);       // dlgVer
    EXPECT_EQ(reader.Read<WORD>(), 0xFFFF);  // signature of the extended template
    EXPECT_EQ(reader.Read<DWORD>(), 0u);     // help id
    EXPECT_EQ(reader.Read<DWORD>(), 0u);     // extended style
    EXPECT_EQ(reader.Read<DWORD>(), layout.style);
    const WORD count = reader.Read<WORD>();
    EXPECT_EQ(reader.Read<short>(), 0);
    EXPECT_EQ(reader.Read<short>(), 0);
    EXPECT_EQ(reader.Read<short>(), layout.cx);
    EXPECT_EQ(reader.Read<short>(), layout.cy);
    EXPECT_EQ(reader.ReadSzOrOrdinal(), L"");  // menu
    EXPECT_EQ(reader.ReadSzOrOrdinal(), L"");  // window class
    EXPECT_EQ(reader.ReadSzOrOrdinal(), layout.caption);
    EXPECT_EQ(reader.Read<WORD>(), 8);    // points
    EXPECT_EQ(reader.Read<WORD>(), 400);  // weight
    EXPECT_EQ(reader.Read<BYTE>(), 0);    // italic
    EXPECT_EQ(reader.Read<BYTE>(), 1);    // character set
    EXPECT_EQ(reader.ReadSzOrOrdinal(), L"MS Shell Dlg");

    ASSERT_EQ(count, layout.controls.size());
    for (const ControlLayout& control : layout.controls) {
        SCOPED_TRACE(control.id);
        reader.AlignDword();
        EXPECT_EQ(reader.Read<DWORD>(), 0u);  // help id
        EXPECT_EQ(reader.Read<DWORD>(), 0u);  // extended style
        EXPECT_EQ(reader.Read<DWORD>(), control.style);
        EXPECT_EQ(reader.Read<short>(), control.x);
        EXPECT_EQ(reader.Read<short>(), control.y);
        EXPECT_EQ(reader.Read<short>(), control.cx);
        EXPECT_EQ(reader.Read<short>(), control.cy);
        EXPECT_EQ(static_cast<int>(reader.Read<DWORD>()), control.id);
        EXPECT_EQ(ClassName(reader.ReadSzOrOrdinal()), control.className);
        EXPECT_EQ(reader.ReadSzOrOrdinal(), control.text);
        reader.Skip(reader.Read<WORD>());  // creation data
        ASSERT_FALSE(reader.Failed());
    }
}

} // namespace

TEST(DialogTemplates, BothTemplatesAreExactlyAsDesigned)
{
    HMODULE module = ResourceModule();
    wchar_t name[MAX_PATH] = L"this executable";
    if (module != ::GetModuleHandleW(nullptr))
        ::GetModuleFileNameW(module, name, MAX_PATH);
    SCOPED_TRACE(testing::Message() << "templates of " << name);
    CheckTemplate(module, kSettings);
    CheckTemplate(module, kPicker);
    if (module != ::GetModuleHandleW(nullptr))
        ::FreeLibrary(module);
}
