#pragma once
// INIDX: one INI file, read and written through the system's profile functions. Nothing is
// cached: every read goes to the file and every change is written at once. Failures are silent:
// reads give empty text or 0, writes give false, and the last-error text (which nothing shows)
// records what happened.

#include "platform/ProfileFiles.h"

#include <string>
#include <string_view>

inline constexpr std::string_view IniErrorNoFile = "没有指定 INI 文件";
inline constexpr std::string_view IniErrorWriteFailed = "写入失败";
inline constexpr std::string_view IniErrorCannotRead = "不能读取";

class INIDX {
public:
    explicit INIDX(platform::ProfileFiles& files);

    // Stored without leading and trailing spaces; the file need not exist.
    void IniName(std::string_view path);
    std::string const& IniName() const { return m_path; }

    // False without touching any file when no file is named, or when the texts cannot be stored
    // as one line of the file (a line break, or "=" in the key, would corrupt its neighbours).
    // The value reads back as written (see ValueAsStored).
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);

    // At most size - 1 bytes of the file's code page, cut to whole characters.
    std::string ReadString(std::string_view section, std::string_view key, int size);

    // 0 for a missing key (and the last-error text says so), for a 0 and for a value that does
    // not begin with a number.
    int ReadInt(std::string_view section, std::string_view key);

    std::string const& LastError() const { return m_lastError; }

private:
    bool CheckFileName();

    platform::ProfileFiles& m_files;
    std::string m_path;
    std::string m_lastError;
};

// A value as it goes into the file so that it reads back as itself: reading drops the blanks
// around a value and the quotes that enclose it whole, so such a value is written in quotes.
std::string ValueAsStored(std::string_view value);
