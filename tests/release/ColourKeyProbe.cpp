// A user's colour key as a test of the installers sees it: "seed" writes the twelve values the way a
// user's settings may look, "dump" prints each value's name, type and stored bytes, so that two
// dumps are equal exactly when the key is byte for byte the same.
#include <RegistryKey.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

const wchar_t kColourKey[] = L"SOFTWARE\\Hallgrove\\PAV\\Rimtone";

struct StoredValue {
    std::wstring name;
    DWORD type;
    std::vector<BYTE> data;
};

int Seed()
{
    RegistryKey key;
    if (key.Create(HKEY_CURRENT_USER, kColourKey, KEY_SET_VALUE) != ERROR_SUCCESS) {
        std::fprintf(stderr, "cannot create HKCU\\%ls\n", kColourKey);
        return 1;
    }
    // Choices that differ from the defaults, so that an installer writing defaults would show.
    const wchar_t* const choices[][2] = {
        {L"mColor000", L"MAINCOLOR16"}, {L"mColor101", L"MAINCOLOR02"}, {L"mColor201", L"MAINCOLOR03"},
        {L"mColor301", L"MAINCOLOR05"}, {L"mColor401", L"MAINCOLOR07"}, {L"mColor402", L"MAINCOLOR10"},
        {L"mColor501", L"maincolor12"}, {L"mColor601", L"MAINCOLOR13"}, {L"mColor701", L"MAINCOLOR14"},
        {L"mColor801", L"MAINCOLOR15"}, {L"mColor901", L"MAINCOLOR01"},
    };
    for (const auto& choice : choices) {
        const DWORD bytes = static_cast<DWORD>((std::wcslen(choice[1]) + 1) * sizeof(wchar_t));
        if (RegSetValueExW(key.Get(), choice[0], 0, REG_SZ, reinterpret_cast<const BYTE*>(choice[1]),
                           bytes) != ERROR_SUCCESS) {
            std::fprintf(stderr, "cannot write %ls\n", choice[0]);
            return 1;
        }
    }
    // No palette name, in Korean, without a terminating NUL and of odd length, as a user's own edit
    // may leave it. The stored bytes end inside the final 'Z': with a NUL after them the registry
    // would count the NUL in.
    const wchar_t unusual[] = L"\uBE68\uAC15 MAINCOLOR11;\"x\"\\Z";
    const DWORD oddBytes = static_cast<DWORD>((std::wcslen(unusual) - 1) * sizeof(wchar_t) + 1);
    if (RegSetValueExW(key.Get(), L"mColor1001", 0, REG_SZ, reinterpret_cast<const BYTE*>(unusual),
                       oddBytes) != ERROR_SUCCESS) {
        std::fprintf(stderr, "cannot write mColor1001\n");
        return 1;
    }
    return 0;
}

int Dump()
{
    RegistryKey key;
    const LONG opened = key.Open(HKEY_CURRENT_USER, kColourKey, KEY_QUERY_VALUE);
    if (opened == ERROR_FILE_NOT_FOUND) {
        std::printf("no key HKCU\\%ls\n", kColourKey);
        return 0;
    }
    DWORD count = 0, longestName = 0, longestData = 0;
    if (opened != ERROR_SUCCESS ||
        RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                         &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS) {
        std::fprintf(stderr, "cannot read HKCU\\%ls\n", kColourKey);
        return 1;
    }
    std::vector<StoredValue> values;
    for (DWORD index = 0; index < count; ++index) {
        std::wstring name(longestName + 1, L'\0');
        std::vector<BYTE> data(longestData);
        DWORD nameLength = longestName + 1, dataSize = longestData, type = 0;
        if (RegEnumValueW(key.Get(), index, name.data(), &nameLength, nullptr, &type, data.data(),
                          &dataSize) != ERROR_SUCCESS) {
            std::fprintf(stderr, "cannot read value %lu\n", index);
            return 1;
        }
        name.resize(nameLength);
        data.resize(dataSize);
        values.push_back({name, type, data});
    }
    std::sort(values.begin(), values.end(),
              [](const StoredValue& a, const StoredValue& b) { return a.name < b.name; });
    for (const StoredValue& value : values) {
        std::printf("%ls type %lu, %zu bytes:", value.name.c_str(), value.type, value.data.size());
        for (BYTE b : value.data)
            std::printf(" %02x", b);
        std::printf("\n");
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 2 && std::wcscmp(argv[1], L"seed") == 0)
        return Seed();
    if (argc == 2 && std::wcscmp(argv[1], L"dump") == 0)
        return Dump();
    std::fprintf(stderr, "usage: colour_key_probe seed|dump\n");
    return 2;
}
