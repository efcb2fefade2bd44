#include "platform/win32/Win32ProfileFiles.h"

#include <windows.h>

#include <algorithm>

namespace platform::win32 {

namespace {

// No settings or skin file comes near this; a larger one is not read at all.
constexpr LONGLONG MaxFileBytes = LONGLONG { 64 } * 1024 * 1024;

class FileHandle {
public:
    explicit FileHandle(HANDLE handle)
        : m_handle(handle)
    {
    }
    ~FileHandle()
    {
        if (Valid())
            CloseHandle(m_handle);
    }
    FileHandle(FileHandle const&) = delete;
    FileHandle& operator=(FileHandle const&) = delete;

    bool Valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

bool WriteAll(HANDLE file, std::string_view content)
{
    while (!content.empty()) {
        DWORD const chunk = static_cast<DWORD>(std::min<size_t>(content.size(), 1 << 20));
        DWORD written = 0;
        if (!WriteFile(file, content.data(), chunk, &written, nullptr) || written == 0)
            return false;
        content.remove_prefix(written);
    }
    return FlushFileBuffers(file) != FALSE;
}

}

Win32ProfileFiles::Win32ProfileFiles()
    : m_ini(m_files, m_codePage)
{
}

std::optional<std::string> Win32ProfileFiles::WideFiles::Read(std::string_view file)
{
    std::wstring const path = Widen(file);
    DWORD const attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return IsMissing(GetLastError()) ? std::optional<std::string>(std::string()) : std::nullopt;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return std::nullopt;
    // Other programs may go on reading and writing it meanwhile, as with the profile functions.
    FileHandle const handle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle.Valid())
        return IsMissing(GetLastError()) ? std::optional<std::string>(std::string()) : std::nullopt;
    LARGE_INTEGER size {};
    if (!GetFileSizeEx(handle.Get(), &size) || size.QuadPart < 0 || size.QuadPart > MaxFileBytes)
        return std::nullopt;
    std::string content(static_cast<size_t>(size.QuadPart), '\0');
    size_t filled = 0;
    while (filled < content.size()) {
        DWORD read = 0;
        if (!ReadFile(handle.Get(), content.data() + filled, static_cast<DWORD>(content.size() - filled), &read, nullptr))
            return std::nullopt;
        if (read == 0)
            break;
        filled += read;
    }
    content.resize(filled);
    return content;
}

// The new content goes into a file beside the old one, which it then replaces in one move.
bool Win32ProfileFiles::WideFiles::Replace(std::string_view file, std::string_view content)
{
    std::wstring const path = Widen(file);
    DWORD const attributes = GetFileAttributesW(path.c_str());
    // Checked here because Wine run by the superuser would write a read-only file anyway.
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    std::wstring const temporary = path + L".tmp-write";
    bool written = false;
    {
        FileHandle const handle(
            CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!handle.Valid())
            return false;
        written = WriteAll(handle.Get(), content);
    }
    if (!written || !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

}
