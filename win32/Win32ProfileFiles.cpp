#include "win32/Win32ProfileFiles.h"

#include "win32/Handles.h"

#include <algorithm>
#include <optional>
#include <string>

namespace platform::win32 {

namespace {

// No settings or skin file comes near this; a larger one is not read at all.
constexpr LONGLONG MaxFileBytes = LONGLONG { 64 } * 1024 * 1024;

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// A virus scanner or the search indexer holds a file it looks at for a moment, often without
// letting others replace it. Such a hold is waited out for about a second before a write fails.
constexpr ULONGLONG HoldWaitMilliseconds = 1000;
constexpr DWORD HoldPauseMilliseconds = 25;

bool IsBriefHold(DWORD error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION
        || error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// Windows answers a replace of a file that another program holds without delete sharing with
// access denied as well. Only a replace waits on it: a read refused so must not wait at every key.
bool IsBriefHoldOnReplace(DWORD error) { return IsBriefHold(error) || error == ERROR_ACCESS_DENIED; }

// Runs attempt until it succeeds, fails for another reason than a hold, or the wait is over. The
// last error stays the attempt's own.
template<typename Attempt>
bool WaitingOutHolds(Attempt const& attempt, bool (*isHold)(DWORD) = IsBriefHold)
{
    ULONGLONG const start = GetTickCount64();
    for (;;) {
        if (attempt())
            return true;
        DWORD const error = GetLastError();
        if (!isHold(error) || GetTickCount64() - start >= HoldWaitMilliseconds) {
            SetLastError(error);
            return false;
        }
        Sleep(HoldPauseMilliseconds);
    }
}

OwnedFile OpenWaitingOutHolds(std::wstring const& path, DWORD access, DWORD share)
{
    OwnedFile handle;
    WaitingOutHolds([&] {
        handle.Reset(CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        return static_cast<bool>(handle);
    });
    return handle;
}

// Opened only to ask about the file, leaving it to everyone else meanwhile.
OwnedFile OpenToAsk(std::wstring const& path, DWORD flags)
{
    return OwnedFile(CreateFileW(
        path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, flags, nullptr));
}

bool WriteAll(HANDLE file, std::string_view content)
{
    while (!content.empty()) {
        DWORD const chunk = static_cast<DWORD>(std::min<size_t>(content.size(), 1 << 20));
        DWORD written = 0;
        if (!WriteFile(file, content.data(), chunk, &written, nullptr) || written == 0)
            return false;
        content.remove_prefix(written);
    }
    return true;
}

std::optional<std::string> ReadAll(HANDLE file)
{
    LARGE_INTEGER size {};
    if (!GetFileSizeEx(file, &size) || size.QuadPart < 0 || size.QuadPart > MaxFileBytes)
        return std::nullopt;
    std::string content(static_cast<size_t>(size.QuadPart), '\0');
    size_t filled = 0;
    while (filled < content.size()) {
        DWORD read = 0;
        if (!ReadFile(file, content.data() + filled, static_cast<DWORD>(content.size() - filled), &read, nullptr))
            return std::nullopt;
        if (read == 0)
            break;
        filled += read;
    }
    content.resize(filled);
    return content;
}

bool SetSize(HANDLE file, size_t size)
{
    LARGE_INTEGER position {};
    position.QuadPart = static_cast<LONGLONG>(size);
    return SetFilePointerEx(file, position, nullptr, FILE_BEGIN) && SetEndOfFile(file);
}

bool Rewrite(HANDLE file, std::string_view content)
{
    LARGE_INTEGER const start {};
    return SetFilePointerEx(file, start, nullptr, FILE_BEGIN) && WriteAll(file, content)
        && SetEndOfFile(file);
}

// The file a symbolic link or junction leads to, which is the one to change.
std::optional<std::wstring> LinkTarget(std::wstring const& path)
{
    OwnedFile const handle = OpenToAsk(path, FILE_FLAG_BACKUP_SEMANTICS);
    if (!handle)
        return std::nullopt;
    DWORD const needed = GetFinalPathNameByHandleW(handle.Get(), nullptr, 0, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (needed == 0)
        return std::nullopt;
    std::wstring target(needed, L'\0');
    DWORD const length
        = GetFinalPathNameByHandleW(handle.Get(), target.data(), needed, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0 || length >= needed)
        return std::nullopt;
    target.resize(length);
    return target;
}

DWORD LinkCount(std::wstring const& path)
{
    OwnedFile const handle = OpenToAsk(path, FILE_ATTRIBUTE_NORMAL);
    BY_HANDLE_FILE_INFORMATION information {};
    if (!handle || !GetFileInformationByHandle(handle.Get(), &information))
        return 1;
    return information.nNumberOfLinks;
}

// A file with other names (hard links) is written where it is, so every name sees the change.
// The size is claimed first, so a full disk fails before a byte has changed; a write that fails
// on the way puts the old content back.
bool WriteInPlace(std::wstring const& path, std::string_view content)
{
    OwnedFile const handle = OpenWaitingOutHolds(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ);
    if (!handle)
        return false;
    auto const old = ReadAll(handle.Get());
    if (!old)
        return false;
    if (!SetSize(handle.Get(), std::max(old->size(), content.size()))) {
        SetSize(handle.Get(), old->size());
        return false;
    }
    if (!Rewrite(handle.Get(), content) || !FlushFileBuffers(handle.Get())) {
        Rewrite(handle.Get(), *old);
        return false;
    }
    return true;
}

// What the new file keeps of the old one's attributes; ReplaceFileW keeps them on Windows, Wine
// does not, so the new file is made with them.
constexpr DWORD KeptAttributes
    = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

}

Win32ProfileFiles::Win32ProfileFiles()
    : IniProfileFiles(files, codePage)
{
}

std::optional<std::string> WideFiles::Read(std::string_view file)
{
    // Other programs may go on reading and writing it meanwhile, as with the profile functions.
    // The open answers for a missing file, and refuses a folder.
    OwnedFile const handle
        = OpenWaitingOutHolds(Widen(file), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    if (!handle)
        return IsMissing(GetLastError()) ? std::optional<std::string>(std::string()) : std::nullopt;
    return ReadAll(handle.Get());
}

// The new content goes into a file beside the old one, which then takes the old one's place with
// ReplaceFileW: the file keeps its attributes, permissions and identity on Windows, where a move
// would give it those of the new file.
bool WideFiles::Replace(std::string_view file, std::string_view content)
{
    std::wstring path = Widen(file);
    DWORD attributes = GetFileAttributesW(path.c_str());
    bool const exists = attributes != INVALID_FILE_ATTRIBUTES;
    // A link is followed to the file it names, which is the one to change. Wine shows a link made
    // on Linux as a plain file, so every file is followed; one the system cannot name otherwise
    // is written where it is, unless it is a link.
    if (exists) {
        auto const target = LinkTarget(path);
        if (!target && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
            return false;
        if (target) {
            path = *target;
            attributes = GetFileAttributesW(path.c_str());
            if (attributes == INVALID_FILE_ATTRIBUTES)
                return false;
        }
    }
    // Checked here because Wine run by the superuser would write a read-only file anyway.
    if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    if (exists && LinkCount(path) > 1)
        return WriteInPlace(path, content);

    std::wstring const temporary = path + L".tmp-write";
    bool written = false;
    {
        OwnedFile const handle(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
            exists && (attributes & KeptAttributes) ? attributes & KeptAttributes : FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!handle)
            return false;
        written = WriteAll(handle.Get(), content) && FlushFileBuffers(handle.Get());
    }
    if (written && !exists)
        written = MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    else if (written) {
        written = WaitingOutHolds([&] {
            return ReplaceFileW(path.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                nullptr);
        }, IsBriefHoldOnReplace);
        // Without a backup name this error means the old file is gone already: the new one takes
        // its place, or the settings would be lost.
        if (!written && GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT
            && GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
            written = MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH);
    }
    if (!written) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

}
