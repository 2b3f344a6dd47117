#include "BinaryFile.h"

#include <ConsoleText.h>
#include <FileHandle.h>

namespace {

std::wstring SystemMessage(DWORD code)
{
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                              FORMAT_MESSAGE_IGNORE_INSERTS,
                                          nullptr, code, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    std::wstring message = length && buffer ? std::wstring(buffer, length) : L"error " + std::to_wstring(code);
    if (buffer)
        ::LocalFree(buffer);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L'.'))
        message.pop_back();
    return message;
}

} // namespace

bool ReadWholeFile(const std::wstring& path, size_t maxBytes, std::vector<unsigned char>& bytes,
                   std::wstring& problem)
{
    FileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        problem = L"cannot open " + OneLine(path) + L": " + SystemMessage(::GetLastError());
        return false;
    }
    LARGE_INTEGER size = {};
    if (!::GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
        problem = OneLine(path) + L" is not a colour file: it is larger than " + std::to_wstring(maxBytes) + L" bytes";
        return false;
    }
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() &&
        (!::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
        problem = L"cannot read " + OneLine(path) + L": " + SystemMessage(::GetLastError());
        return false;
    }
    return true;
}

bool WriteWholeFile(const std::wstring& path, const std::vector<unsigned char>& bytes, std::wstring& problem)
{
    FileHandle file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        problem = L"cannot create " + OneLine(path) + L": " + SystemMessage(::GetLastError());
        return false;
    }
    DWORD written = 0;
    if (!::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        problem = L"cannot write " + OneLine(path) + L": " + SystemMessage(::GetLastError());
        return false;
    }
    return true;
}
