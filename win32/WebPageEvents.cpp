#include "win32/WebPageEvents.h"

#include "platform/Browser.h"
#include "win32/ComRef.h"
#include "win32/Unicode.h"

#include <exdisp.h>
#include <exdispid.h>

namespace platform::win32 {

namespace {

// Arguments come last first: argument `index` counted from the end of the event's list.
VARIANT* FromEnd(DISPPARAMS const* params, UINT index)
{
    if (!params || !params->rgvarg || index >= params->cArgs)
        return nullptr;
    return &params->rgvarg[index];
}

// Sets a navigation's cancel flag, a VARIANT_BOOL by reference: usually the last argument.
void Cancel(DISPPARAMS const* params, UINT fromEnd = 0)
{
    VARIANT* const cancel = FromEnd(params, fromEnd);
    if (cancel && cancel->vt == (VT_BYREF | VT_BOOL) && cancel->pboolVal)
        *cancel->pboolVal = VARIANT_TRUE;
}

// An address, given as a string or as a variant holding one, by value or by reference.
std::string TextOf(VARIANT const* argument)
{
    if (argument && argument->vt == (VT_BYREF | VT_VARIANT))
        argument = argument->pvarVal;
    if (!argument)
        return {};
    BSTR text = nullptr;
    if (argument->vt == VT_BSTR)
        text = argument->bstrVal;
    else if (argument->vt == (VT_BYREF | VT_BSTR) && argument->pbstrVal)
        text = *argument->pbstrVal;
    return text ? Narrow(std::wstring_view(text, SysStringLen(text))) : std::string();
}

ComRef<IUnknown> IdentityOf(IUnknown* object)
{
    ComRef<IUnknown> identity;
    if (object)
        object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(identity.Out()));
    return identity;
}

}

WebPageEvents::WebPageEvents(WebPageNavigation& navigation)
    : m_navigation(&navigation)
{
}

void WebPageEvents::SetBrowser(IUnknown* browser) { m_browser = IdentityOf(browser).Get(); }

void WebPageEvents::ExpectNavigation(bool expected)
{
    m_expecting = expected;
    m_failed = false;
}

bool WebPageEvents::IsOwnBrowser(VARIANT const* argument) const
{
    if (!argument || argument->vt != VT_DISPATCH || !argument->pdispVal || !m_browser)
        return false;
    return IdentityOf(argument->pdispVal).Get() == m_browser;
}

void WebPageEvents::LinkFollowed(std::string const& link)
{
    if (m_navigation && IsWebLink(link))
        m_navigation->OpenLink(link);
}

HRESULT WebPageEvents::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG WebPageEvents::AddRef() { return ++m_references; }

ULONG WebPageEvents::Release()
{
    ULONG const left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

HRESULT WebPageEvents::GetTypeInfoCount(UINT* count)
{
    if (count)
        *count = 0;
    return S_OK;
}

HRESULT WebPageEvents::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

HRESULT WebPageEvents::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT WebPageEvents::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*)
{
    // The box may let go of this object in what a call below sets off.
    AddRef();
    ComRef<IDispatch> const keep(this);
    switch (id) {
    case DISPID_BEFORENAVIGATE2: {
        // (browser, address, flags, target frame, post data, headers, cancel)
        VARIANT const* const browser = FromEnd(params, 6);
        std::string const address = TextOf(FromEnd(params, 5));
        bool const own = IsOwnBrowser(browser);
        if (own && m_expecting && IsWebLink(address)) {
            m_expecting = false;
            break;
        }
        Cancel(params);
        if (own)
            LinkFollowed(address);
        break;
    }
    case DISPID_NEWWINDOW2:
        Cancel(params);
        break;
    case DISPID_NEWWINDOW3: {
        // (new browser, cancel, flags, address of the opener, address): the cancel flag is not last.
        Cancel(params, 3);
        LinkFollowed(TextOf(FromEnd(params, 0)));
        break;
    }
    case DISPID_FILEDOWNLOAD: {
        // (active document, cancel). The page itself comes as a document: Windows asks this during
        // every load of an HTML page, and cancelling it there stops the page. Anything else would
        // be saved to disk.
        VARIANT const* const document = FromEnd(params, 1);
        if (!document || document->vt != VT_BOOL || document->boolVal != VARIANT_TRUE)
            Cancel(params);
        break;
    }
    case DISPID_NAVIGATEERROR:
        // (browser, address, frame, status, cancel): no error page, in the box or a frame.
        Cancel(params);
        if (IsOwnBrowser(FromEnd(params, 4))) {
            m_failed = true;
            if (m_navigation)
                m_navigation->PageFailed();
        }
        break;
    case DISPID_DOCUMENTCOMPLETE:
        // (browser, address). A document before the navigation asked for, or after it failed,
        // is not the page.
        if (IsOwnBrowser(FromEnd(params, 1)) && !m_expecting && !m_failed && m_navigation)
            m_navigation->PageLoaded();
        break;
    default:
        break;
    }
    return S_OK;
}

}
