#pragma once
// One reference to a COM object, released when it goes. Internal to win32.

#include <utility>

namespace platform::win32 {

template<typename Interface>
class ComRef {
public:
    ComRef() = default;
    // Takes over a reference the caller holds.
    explicit ComRef(Interface* owned)
        : m_pointer(owned)
    {
    }
    ~ComRef() { Reset(); }
    ComRef(ComRef&& other) noexcept
        : m_pointer(std::exchange(other.m_pointer, nullptr))
    {
    }
    ComRef& operator=(ComRef&& other) noexcept
    {
        if (this != &other) {
            Reset();
            m_pointer = std::exchange(other.m_pointer, nullptr);
        }
        return *this;
    }
    ComRef(ComRef const&) = delete;
    ComRef& operator=(ComRef const&) = delete;

    Interface* operator->() const { return m_pointer; }
    Interface* Get() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }
    // For a call that hands out a reference; whatever was held goes first.
    Interface** Out()
    {
        Reset();
        return &m_pointer;
    }
    void Reset()
    {
        if (m_pointer)
            std::exchange(m_pointer, nullptr)->Release();
    }

private:
    Interface* m_pointer = nullptr;
};

}
