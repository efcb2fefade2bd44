#include "win32/PhysicalPixels.h"

#include "win32/SystemFunctions.h"

namespace platform::win32 {

PhysicalPixels::SetThreadContextFunction PhysicalPixels::SetThreadContext()
{
    // Looked up once: the pick makes one of these every frame.
    static SetThreadContextFunction const set = LookUpUser32<SetThreadContextFunction>("SetThreadDpiAwarenessContext");
    return set;
}

PhysicalPixels::PhysicalPixels()
    : m_set(SetThreadContext())
    , m_old(m_set ? m_set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE) : nullptr)
{
}

PhysicalPixels::~PhysicalPixels()
{
    if (m_old)
        m_set(m_old);
}

}
