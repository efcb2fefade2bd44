#include "win32/SingleInstance.h"

#include "win32/SystemFunctions.h"
#include "win32/Unicode.h"

#include <windows.h>
#include <shlwapi.h>

#include <array>
#include <cstdio>
#include <thread>

namespace platform::win32 {

namespace {

// The message a later start sends to the listening copy.
UINT ShowMessage()
{
    static UINT const message = RegisterWindowMessageW(L"ColourPicker.ShowYourWindow");
    return message;
}

// The folder as the file system resolves it, so that every way of naming one folder (another
// case, a short name, a junction, a mapped drive) meets under one name. As given when it cannot
// be opened.
std::wstring FinalPath(std::wstring const& folder)
{
    HANDLE const handle = CreateFileW(folder.c_str(), FILE_READ_ATTRIBUTES,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
        nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return folder;
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()), VOLUME_NAME_DOS);
    if (length >= path.size()) {
        path.resize(length);
        length = GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()), VOLUME_NAME_DOS);
    }
    CloseHandle(handle);
    if (length == 0 || length >= path.size())
        return folder;
    path.resize(length);
    return path;
}

// A program in a drive's root has the folder "P:", which alone names the drive's current folder:
// another with each start. The root itself is "P:\".
std::wstring WithRootSeparator(std::wstring folder)
{
    if (folder.size() == 2 && folder[1] == L':')
        folder += L'\\';
    return folder;
}

std::wstring UpperCase(std::wstring const& text)
{
    if (text.empty())
        return text;
    std::wstring upper(text.size(), L'\0');
    int const length = LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, text.data(), static_cast<int>(text.size()),
        upper.data(), static_cast<int>(upper.size()));
    if (length <= 0)
        return text;
    upper.resize(static_cast<size_t>(length));
    return upper;
}

}

std::wstring InstanceName(std::string_view folder)
{
    std::wstring const path = UpperCase(FinalPath(WithRootSeparator(Widen(folder))));
    std::array<BYTE, 8> hash {};
    HashData(reinterpret_cast<BYTE*>(const_cast<wchar_t*>(path.data())), static_cast<DWORD>(path.size() * sizeof(wchar_t)),
        hash.data(), static_cast<DWORD>(hash.size()));
    // Two little-endian 32-bit halves, as the installer reads them.
    auto const half = [&hash](size_t at) {
        return static_cast<unsigned>(hash[at]) | static_cast<unsigned>(hash[at + 1]) << 8
            | static_cast<unsigned>(hash[at + 2]) << 16 | static_cast<unsigned>(hash[at + 3]) << 24;
    };
    std::array<wchar_t, 17> digits {};
    std::swprintf(digits.data(), digits.size(), L"%08X%08X", half(0), half(4));
    return L"ColourPicker-" + std::wstring(digits.data());
}

SingleInstance::SingleInstance(std::string_view programFolder)
    : m_name(InstanceName(programFolder))
{
}

SingleInstance::~SingleInstance()
{
    m_listener.reset();
    if (m_mutex)
        CloseHandle(static_cast<HANDLE>(m_mutex));
}

bool SingleInstance::Claim(std::chrono::milliseconds patience)
{
    if (m_mutex)
        return true;
    std::wstring const mutexName = L"Local\\" + m_name;
    auto const deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        // Creating the mutex is the one atomic step: of two starts at once, exactly one creates it.
        HANDLE const mutex = CreateMutexW(nullptr, FALSE, mutexName.c_str());
        DWORD const error = GetLastError();
        if (mutex && error != ERROR_ALREADY_EXISTS) {
            m_mutex = mutex;
            return true;
        }
        if (mutex)
            CloseHandle(mutex);
        // Denied: a copy run as administrator holds it. Any other refusal says nothing about
        // other copies, and a program that will not start helps no one.
        else if (error != ERROR_ACCESS_DENIED)
            return true;
        if (AskToShow() || std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

bool SingleInstance::AskToShow() const
{
    HWND const listener = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, m_name.c_str());
    if (!listener)
        return false;
    // The user started this process, so it may hand the foreground on: the window comes to the front.
    DWORD process = 0;
    GetWindowThreadProcessId(listener, &process);
    AllowSetForegroundWindow(process);
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(listener, ShowMessage(), 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) != 0;
}

void SingleInstance::Listen(std::function<void()> show)
{
    m_show = std::move(show);
    m_listener = std::make_unique<MessageWindow>([this](unsigned message, std::uintptr_t, std::intptr_t) {
        if (message == ShowMessage() && m_show)
            m_show();
    });
    auto const window = static_cast<HWND>(m_listener->Handle());
    if (!window)
        return;
    // A copy run as administrator still hears a start that is not.
    HearFromAnyProgram(window, ShowMessage());
    // Found by this name; set last, when the window is ready to answer.
    SetWindowTextW(window, m_name.c_str());
}

}
