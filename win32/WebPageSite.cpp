#include "win32/WebPageSite.h"

namespace platform::win32 {

WebPageSite::WebPageSite(HWND window)
    : m_window(window)
{
}

void WebPageSite::SetRects(RECT const& position, RECT const& clip)
{
    m_position = position;
    m_clip = clip;
}

HRESULT WebPageSite::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite)
        *object = static_cast<IOleClientSite*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
        *object = static_cast<IOleInPlaceSite*>(this);
    else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
        *object = static_cast<IOleInPlaceFrame*>(this);
    else if (iid == IID_IDocHostUIHandler)
        *object = static_cast<IDocHostUIHandler*>(this);
    else if (iid == __uuidof(IDocHostShowUI))
        *object = static_cast<IDocHostShowUI*>(this);
    else if (iid == IID_IServiceProvider)
        *object = static_cast<IServiceProvider*>(this);
    else if (iid == IID_IDispatch)
        *object = static_cast<IDispatch*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG WebPageSite::AddRef() { return ++m_references; }

ULONG WebPageSite::Release()
{
    ULONG const left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

// IOleClientSite: nothing is stored, the object is always shown in place.

HRESULT WebPageSite::SaveObject() { return E_NOTIMPL; }

HRESULT WebPageSite::GetMoniker(DWORD, DWORD, IMoniker** moniker)
{
    if (moniker)
        *moniker = nullptr;
    return E_NOTIMPL;
}

HRESULT WebPageSite::GetContainer(IOleContainer** container)
{
    if (container)
        *container = nullptr;
    return E_NOINTERFACE;
}

HRESULT WebPageSite::ShowObject() { return S_OK; }
HRESULT WebPageSite::OnShowWindow(BOOL) { return S_OK; }
HRESULT WebPageSite::RequestNewObjectLayout() { return E_NOTIMPL; }

HRESULT WebPageSite::GetWindow(HWND* window)
{
    if (!window)
        return E_POINTER;
    *window = m_window;
    return S_OK;
}

HRESULT WebPageSite::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

// IOleInPlaceSite: always in place, where the box puts it.

HRESULT WebPageSite::CanInPlaceActivate() { return S_OK; }
HRESULT WebPageSite::OnInPlaceActivate() { return S_OK; }
HRESULT WebPageSite::OnUIActivate() { return S_OK; }

HRESULT WebPageSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
    LPRECT clip, LPOLEINPLACEFRAMEINFO frameInfo)
{
    if (frame) {
        *frame = this;
        AddRef();
    }
    // The frame is the document window too.
    if (document)
        *document = nullptr;
    if (position)
        *position = m_position;
    if (clip)
        *clip = m_clip;
    if (frameInfo) {
        frameInfo->fMDIApp = FALSE;
        frameInfo->hwndFrame = GetAncestor(m_window, GA_ROOT);
        frameInfo->haccel = nullptr;
        frameInfo->cAccelEntries = 0;
    }
    return S_OK;
}

HRESULT WebPageSite::Scroll(SIZE) { return E_NOTIMPL; }
HRESULT WebPageSite::OnUIDeactivate(BOOL) { return S_OK; }
HRESULT WebPageSite::OnInPlaceDeactivate() { return S_OK; }
HRESULT WebPageSite::DiscardUndoState() { return E_NOTIMPL; }
HRESULT WebPageSite::DeactivateAndUndo() { return E_NOTIMPL; }
// The box decides where the control lies; a wish of the control's own changes nothing.
HRESULT WebPageSite::OnPosRectChange(LPCRECT) { return S_OK; }

// IOleInPlaceFrame: no tool bars, menus or status line to share.

HRESULT WebPageSite::GetBorder(LPRECT) { return INPLACE_E_NOTOOLSPACE; }
HRESULT WebPageSite::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
HRESULT WebPageSite::SetBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
HRESULT WebPageSite::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) { return S_OK; }
HRESULT WebPageSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return E_NOTIMPL; }
HRESULT WebPageSite::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
HRESULT WebPageSite::RemoveMenus(HMENU) { return E_NOTIMPL; }
HRESULT WebPageSite::SetStatusText(LPCOLESTR) { return S_OK; }
HRESULT WebPageSite::EnableModeless(BOOL) { return S_OK; }
HRESULT WebPageSite::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

// IDocHostUIHandler

HRESULT WebPageSite::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*)
{
    // "Shown by the host": that is, no menu at all.
    return S_OK;
}

HRESULT WebPageSite::GetHostInfo(DOCHOSTUIINFO* info)
{
    if (!info)
        return E_POINTER;
    info->cbSize = sizeof *info;
    info->dwFlags = HostFlags;
    info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    info->pchHostCss = nullptr;
    info->pchHostNS = nullptr;
    return S_OK;
}

// The host shows no tool bars or menus of the control's.
HRESULT WebPageSite::ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
    IOleInPlaceUIWindow*)
{
    return S_OK;
}

HRESULT WebPageSite::HideUI() { return S_OK; }
HRESULT WebPageSite::UpdateUI() { return S_OK; }
HRESULT WebPageSite::OnDocWindowActivate(BOOL) { return S_OK; }
HRESULT WebPageSite::OnFrameWindowActivate(BOOL) { return S_OK; }
HRESULT WebPageSite::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }
HRESULT WebPageSite::TranslateAccelerator(LPMSG, GUID const*, DWORD) { return S_FALSE; }

HRESULT WebPageSite::GetOptionKeyPath(LPOLESTR* key, DWORD)
{
    if (key)
        *key = nullptr;
    return E_NOTIMPL;
}

HRESULT WebPageSite::GetDropTarget(IDropTarget*, IDropTarget** replacement)
{
    if (replacement)
        *replacement = nullptr;
    return E_NOTIMPL;
}

HRESULT WebPageSite::GetExternal(IDispatch** external)
{
    if (external)
        *external = nullptr;
    return E_NOTIMPL;
}

HRESULT WebPageSite::TranslateUrl(DWORD, LPWSTR, LPWSTR* translated)
{
    if (translated)
        *translated = nullptr;
    return S_FALSE;
}

HRESULT WebPageSite::FilterDataObject(IDataObject*, IDataObject** replacement)
{
    if (replacement)
        *replacement = nullptr;
    return S_FALSE;
}

// IDocHostShowUI: "shown by the host", so the page's message boxes and help never appear.

HRESULT WebPageSite::ShowMessage(HWND, LPOLESTR, LPOLESTR, DWORD, LPOLESTR, DWORD, LRESULT* result)
{
    if (result)
        *result = IDCANCEL;
    return S_OK;
}

HRESULT WebPageSite::ShowHelp(HWND, LPOLESTR, UINT, DWORD, POINT, IDispatch*) { return S_OK; }

// IServiceProvider

HRESULT WebPageSite::QueryService(REFGUID service, REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (service == SID_SInternetSecurityManager)
        return m_security->QueryInterface(iid, object);
    return E_NOINTERFACE;
}

// IDispatch

HRESULT WebPageSite::GetTypeInfoCount(UINT* count)
{
    if (count)
        *count = 0;
    return S_OK;
}

HRESULT WebPageSite::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

HRESULT WebPageSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT WebPageSite::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*)
{
    if (id != DISPID_AMBIENT_DLCONTROL || !(flags & DISPATCH_PROPERTYGET))
        return DISP_E_MEMBERNOTFOUND;
    if (!result)
        return E_POINTER;
    VariantInit(result);
    result->vt = VT_I4;
    result->lVal = static_cast<LONG>(DownloadControl);
    return S_OK;
}

}
