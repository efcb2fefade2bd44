// A stand-in for a screen reader, in a process of its own: it finds the program's main window by
// its title, asks it for its client area's accessible object, writes each child's role and name
// ("43\t屏幕取色", UTF-8, one a line) to the file given, and presses the first child of the name
// given, if any. Exit code 0 when every step worked.
//
//     accessibility_probe.exe OUT_FILE [NAME_TO_PRESS]

#include <oleacc.h>
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(BSTR text)
{
    if (!text)
        return {};
    int const size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.resize(out.size() - 1);
    // One line a child, whatever a label holds.
    for (char& c : out) {
        if (c == '\n' || c == '\r' || c == '\t')
            c = ' ';
    }
    return out;
}

}

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2 || FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 2;
    HWND const window = FindWindowW(nullptr, L"取色器");
    IAccessible* client = nullptr;
    if (!window)
        return 3;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&client))))
        return 3;
    long count = 0;
    FILE* const out = _wfopen(argv[1], L"wb");
    if (!out || FAILED(client->get_accChildCount(&count)))
        return 4;
    int result = argc > 2 ? 5 : 0;
    for (long id = 1; id <= count; ++id) {
        VARIANT child {};
        child.vt = VT_I4;
        child.lVal = id;
        BSTR name = nullptr;
        VARIANT role {};
        client->get_accName(child, &name);
        client->get_accRole(child, &role);
        std::fprintf(out, "%ld\t%s\n", role.vt == VT_I4 ? role.lVal : 0L, Utf8(name).c_str());
        if (result == 5 && name && wcscmp(name, argv[2]) == 0)
            result = SUCCEEDED(client->accDoDefaultAction(child)) ? 0 : 6;
        SysFreeString(name);
    }
    std::fclose(out);
    client->Release();
    CoUninitialize();
    return result;
}
