#pragma once
// COM on the calling thread, for as long as this lives: the system's imaging component is a COM
// service. The user-interface thread joins a single-threaded apartment, as windows expect.

namespace platform::win32 {

class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(ComApartment const&) = delete;
    ComApartment& operator=(ComApartment const&) = delete;

    // False when COM cannot be used on this thread at all.
    bool Usable() const { return m_usable; }

private:
    bool m_usable = false;
    // Only a successful initialisation (also a repeated one) is balanced by uninitialising.
    bool m_mustUninitialise = false;
};

}
