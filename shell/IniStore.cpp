#include "shell/IniStore.h"

namespace {

std::string_view TrimSpaces(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// Names lose their blanks in the file (the profile functions count these as blanks).
std::string_view TrimBlanks(std::string_view text)
{
    constexpr std::string_view blanks = " \t\v\f";
    size_t const first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// What the file format can hold on one line and read back as the same key. A key line that
// begins with "[" would read back as a section header and take the keys after it along.
bool FitsOneLine(std::string_view section, std::string_view key, std::string_view value)
{
    return !HasLineBreak(section) && !HasLineBreak(key) && !HasLineBreak(value)
        && section.find(']') == std::string_view::npos && key.find('=') == std::string_view::npos
        && !TrimBlanks(section).empty() && !TrimBlanks(key).empty() && TrimBlanks(key).front() != '[';
}

}

std::string ValueAsStored(std::string_view value)
{
    bool const blankAround = TrimBlanks(value).size() != value.size();
    bool const quotedWhole
        = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
    if (!blankAround && !quotedWhole)
        return std::string(value);
    return "\"" + std::string(value) + "\"";
}

INIDX::INIDX(platform::ProfileFiles& files)
    : m_files(files)
{
}

void INIDX::IniName(std::string_view path) { m_path = TrimSpaces(path); }

bool INIDX::CheckFileName()
{
    if (m_path.empty()) {
        m_lastError = IniErrorNoFile;
        return false;
    }
    m_lastError.clear();
    return true;
}

bool INIDX::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    if (!CheckFileName())
        return false;
    if (!FitsOneLine(section, key, value) || !m_files.WriteString(m_path, section, key, ValueAsStored(value))) {
        m_lastError = IniErrorWriteFailed;
        return false;
    }
    return true;
}

std::string INIDX::ReadString(std::string_view section, std::string_view key, int size)
{
    if (!CheckFileName())
        return {};
    return m_files.ReadString(m_path, section, key, size);
}

int INIDX::ReadInt(std::string_view section, std::string_view key)
{
    // A missing key reads as the default; reading with two defaults tells it from a stored 0.
    int const value = m_files.ReadInt(m_path, section, key, 0);
    if (value != 0)
        return value;
    if (m_files.ReadInt(m_path, section, key, 1) == 1) {
        m_lastError = IniErrorCannotRead;
        return 0;
    }
    return 0;
}
