#include "shell/WebAddresses.h"

#include "platform/Browser.h"

namespace shell {

WebAddresses::WebAddresses(std::string_view base)
{
    while (!base.empty() && base.back() == '/')
        base.remove_suffix(1);
    if (platform::IsWebLink(base))
        m_base = base;
}

}
