#include "win32/FormAccessible.h"

#include "win32/Unicode.h"
#include "ui/AccessibleTree.h"
#include "ui/FocusOrder.h"
#include "ui/NativeControls.h"

namespace platform::win32 {

namespace {

long SystemRole(ui::AccessibleRole role)
{
    switch (role) {
    case ui::AccessibleRole::PushButton:
        return ROLE_SYSTEM_PUSHBUTTON;
    case ui::AccessibleRole::PageTab:
        return ROLE_SYSTEM_PAGETAB;
    case ui::AccessibleRole::CheckBox:
        return ROLE_SYSTEM_CHECKBUTTON;
    case ui::AccessibleRole::EditableText:
        return ROLE_SYSTEM_TEXT;
    case ui::AccessibleRole::ComboBox:
        return ROLE_SYSTEM_COMBOBOX;
    case ui::AccessibleRole::ListItem:
        return ROLE_SYSTEM_LISTITEM;
    case ui::AccessibleRole::Graphic:
        return ROLE_SYSTEM_GRAPHIC;
    case ui::AccessibleRole::StaticText:
        return ROLE_SYSTEM_STATICTEXT;
    case ui::AccessibleRole::Link:
        return ROLE_SYSTEM_LINK;
    case ui::AccessibleRole::None:
        break;
    }
    return ROLE_SYSTEM_CLIENT;
}

long SystemStates(unsigned states)
{
    long system = 0;
    if (states & ui::StateChecked)
        system |= STATE_SYSTEM_CHECKED;
    if (states & ui::StateSelected)
        system |= STATE_SYSTEM_SELECTED;
    if (states & ui::StateFocused)
        system |= STATE_SYSTEM_FOCUSED;
    if (states & ui::StateInvisible)
        system |= STATE_SYSTEM_INVISIBLE;
    if (states & ui::StateUnavailable)
        system |= STATE_SYSTEM_UNAVAILABLE;
    if (states & ui::StateFocusable)
        system |= STATE_SYSTEM_FOCUSABLE;
    if (states & ui::StateSelectable)
        system |= STATE_SYSTEM_SELECTABLE;
    return system;
}

HRESULT Text(std::string const& text, BSTR* out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (text.empty())
        return S_FALSE;
    *out = SysAllocString(Widen(text).c_str());
    return *out ? S_OK : E_OUTOFMEMORY;
}

// The system's accessible object for a whole window; null when it has none.
IDispatch* WindowObject(HWND window)
{
    IDispatch* dispatch = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_WINDOW, IID_IDispatch, reinterpret_cast<void**>(&dispatch))))
        return nullptr;
    return dispatch;
}

void SetChildId(VARIANT* out, long id)
{
    VariantInit(out);
    out->vt = VT_I4;
    out->lVal = id;
}

}

FormAccessible::FormAccessible(ui::Form& form, HWND window, FormAccessibleHost host)
    : m_form(&form)
    , m_window(window)
    , m_host(std::move(host))
{
}

void FormAccessible::Disconnect() { m_form = nullptr; }

HRESULT FormAccessible::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG FormAccessible::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&m_references)); }

ULONG FormAccessible::Release()
{
    LONG const left = InterlockedDecrement(&m_references);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT FormAccessible::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT FormAccessible::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

HRESULT FormAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT FormAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return E_NOTIMPL;
}

long FormAccessible::ChildOf(VARIANT const& child) const
{
    if (!m_form || child.vt != VT_I4)
        return -1;
    if (child.lVal == CHILDID_SELF)
        return 0;
    auto const count = static_cast<long>(ui::AccessibleControls(*m_form).size());
    return child.lVal >= 1 && child.lVal <= count ? child.lVal : -1;
}

void FormAccessible::Answer(long childId, VARIANT* out) const
{
    SetChildId(out, childId);
    if (childId <= 0)
        return;
    ui::AccessibleItem const item = ui::DescribeChild(*m_form, static_cast<int>(childId));
    HWND const native = item.control ? m_host.nativeChild(*item.control) : nullptr;
    if (IDispatch* const dispatch = native ? WindowObject(native) : nullptr) {
        out->vt = VT_DISPATCH;
        out->pdispVal = dispatch;
    }
}

HRESULT FormAccessible::get_accParent(IDispatch** parent)
{
    if (!parent)
        return E_POINTER;
    *parent = nullptr;
    if (!m_form)
        return RPC_E_DISCONNECTED;
    return AccessibleObjectFromWindow(m_window, OBJID_WINDOW, IID_IDispatch, reinterpret_cast<void**>(parent));
}

HRESULT FormAccessible::get_accChildCount(long* count)
{
    if (!count)
        return E_POINTER;
    if (!m_form)
        return RPC_E_DISCONNECTED;
    *count = static_cast<long>(ui::AccessibleControls(*m_form).size());
    return S_OK;
}

HRESULT FormAccessible::get_accChild(VARIANT child, IDispatch** dispatch)
{
    if (!dispatch)
        return E_POINTER;
    *dispatch = nullptr;
    long const id = ChildOf(child);
    if (id <= 0)
        return E_INVALIDARG;
    VARIANT answer;
    Answer(id, &answer);
    if (answer.vt != VT_DISPATCH)
        return S_FALSE;
    // Windowless children are plain elements of this object; a native one is its window's.
    *dispatch = answer.pdispVal;
    return S_OK;
}

HRESULT FormAccessible::get_accName(VARIANT child, BSTR* name)
{
    long const id = ChildOf(child);
    if (id < 0)
        return E_INVALIDARG;
    return Text(id == 0 ? m_form->Caption() : ui::DescribeChild(*m_form, static_cast<int>(id)).name, name);
}

HRESULT FormAccessible::get_accValue(VARIANT child, BSTR* value)
{
    long const id = ChildOf(child);
    if (id < 0)
        return E_INVALIDARG;
    ui::AccessibleItem const item = ui::DescribeChild(*m_form, static_cast<int>(id));
    if (item.control && item.control->Kind() == ui::ControlKind::TextBox)
        return Text(static_cast<ui::TextBox const&>(*item.control).Text(), value);
    return Text({}, value);
}

HRESULT FormAccessible::get_accDescription(VARIANT child, BSTR* description)
{
    long const id = ChildOf(child);
    if (id < 0)
        return E_INVALIDARG;
    return Text(id == 0 ? std::string {} : ui::DescribeChild(*m_form, static_cast<int>(id)).description, description);
}

HRESULT FormAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    if (!role)
        return E_POINTER;
    long const id = ChildOf(child);
    if (id < 0)
        return E_INVALIDARG;
    SetChildId(role, id == 0 ? ROLE_SYSTEM_CLIENT : SystemRole(ui::DescribeChild(*m_form, static_cast<int>(id)).role));
    return S_OK;
}

HRESULT FormAccessible::get_accState(VARIANT child, VARIANT* state)
{
    if (!state)
        return E_POINTER;
    long const id = ChildOf(child);
    if (id < 0)
        return E_INVALIDARG;
    long states = 0;
    if (id == 0) {
        states = STATE_SYSTEM_FOCUSABLE;
        if (!IsWindowVisible(m_window))
            states |= STATE_SYSTEM_INVISIBLE;
        if (GetFocus() == m_window && !m_form->Focused())
            states |= STATE_SYSTEM_FOCUSED;
    } else {
        states = SystemStates(ui::DescribeChild(*m_form, static_cast<int>(id)).states);
        // Focused only while the window itself has the system's focus.
        if (GetFocus() != m_window)
            states &= ~STATE_SYSTEM_FOCUSED;
    }
    SetChildId(state, states);
    return S_OK;
}

HRESULT FormAccessible::get_accHelp(VARIANT, BSTR* help) { return Text({}, help); }

HRESULT FormAccessible::get_accHelpTopic(BSTR* file, VARIANT, long* topic)
{
    if (file)
        *file = nullptr;
    if (topic)
        *topic = 0;
    return S_FALSE;
}

HRESULT FormAccessible::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) { return Text({}, shortcut); }

HRESULT FormAccessible::get_accFocus(VARIANT* child)
{
    if (!child)
        return E_POINTER;
    VariantInit(child);
    if (!m_form)
        return RPC_E_DISCONNECTED;
    HWND const focus = GetFocus();
    if (focus == m_window) {
        ui::Control const* const focused = m_form->Focused();
        long const id = focused && focused->Shown() ? ui::AccessibleChildId(*m_form, *focused) : 0;
        Answer(id, child);
        return S_OK;
    }
    if (IDispatch* const dispatch = focus && GetParent(focus) == m_window ? WindowObject(focus) : nullptr) {
        child->vt = VT_DISPATCH;
        child->pdispVal = dispatch;
        return S_OK;
    }
    return S_FALSE;
}

HRESULT FormAccessible::get_accSelection(VARIANT* children)
{
    if (!children)
        return E_POINTER;
    VariantInit(children);
    return m_form ? S_FALSE : RPC_E_DISCONNECTED;
}

HRESULT FormAccessible::get_accDefaultAction(VARIANT child, BSTR* action)
{
    long const id = ChildOf(child);
    if (id < 0)
        return E_INVALIDARG;
    return Text(id == 0 ? std::string {} : ui::DescribeChild(*m_form, static_cast<int>(id)).defaultAction, action);
}

HRESULT FormAccessible::accSelect(long flags, VARIANT child)
{
    long const id = ChildOf(child);
    if (id <= 0)
        return E_INVALIDARG;
    if (flags != SELFLAG_TAKEFOCUS)
        return DISP_E_MEMBERNOTFOUND;
    ui::AccessibleItem const item = ui::DescribeChild(*m_form, static_cast<int>(id));
    if (!item.control || !ui::TakesFocus(*item.control))
        return S_FALSE;
    m_form->MoveFocusTo(item.control);
    return S_OK;
}

HRESULT FormAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child)
{
    if (!left || !top || !width || !height)
        return E_POINTER;
    long const id = ChildOf(child);
    if (id < 0)
        return E_INVALIDARG;
    RECT client {};
    GetClientRect(m_window, &client);
    gfx::Rect bounds { 0, 0, client.right, client.bottom };
    if (id > 0)
        bounds = ui::DescribeChild(*m_form, static_cast<int>(id)).bounds;
    POINT corner { bounds.x, bounds.y };
    ClientToScreen(m_window, &corner);
    *left = corner.x;
    *top = corner.y;
    *width = bounds.width;
    *height = bounds.height;
    return S_OK;
}

HRESULT FormAccessible::accNavigate(long direction, VARIANT start, VARIANT* end)
{
    if (!end)
        return E_POINTER;
    VariantInit(end);
    long const id = ChildOf(start);
    if (id < 0)
        return E_INVALIDARG;
    auto const count = static_cast<long>(ui::AccessibleControls(*m_form).size());
    long to = 0;
    switch (direction) {
    case NAVDIR_FIRSTCHILD:
        to = id == 0 && count > 0 ? 1 : 0;
        break;
    case NAVDIR_LASTCHILD:
        to = id == 0 ? count : 0;
        break;
    case NAVDIR_NEXT:
        to = id > 0 && id < count ? id + 1 : 0;
        break;
    case NAVDIR_PREVIOUS:
        to = id > 1 ? id - 1 : 0;
        break;
    default:
        // Spatial moves and moves from the client itself are the window's frame's business.
        return DISP_E_MEMBERNOTFOUND;
    }
    if (to == 0)
        return S_FALSE;
    Answer(to, end);
    return S_OK;
}

HRESULT FormAccessible::accHitTest(long x, long y, VARIANT* child)
{
    if (!child)
        return E_POINTER;
    VariantInit(child);
    if (!m_form)
        return RPC_E_DISCONNECTED;
    POINT point { x, y };
    ScreenToClient(m_window, &point);
    RECT client {};
    GetClientRect(m_window, &client);
    if (!PtInRect(&client, point))
        return S_FALSE;
    ui::Control const* const hit = m_form->HitTest({ point.x, point.y });
    Answer(hit ? ui::AccessibleChildId(*m_form, *hit) : 0, child);
    return S_OK;
}

HRESULT FormAccessible::accDoDefaultAction(VARIANT child)
{
    long const id = ChildOf(child);
    if (id < 0)
        return E_INVALIDARG;
    if (id == 0 || ui::DescribeChild(*m_form, static_cast<int>(id)).defaultAction.empty())
        return DISP_E_MEMBERNOTFOUND;
    m_host.postDefaultAction(static_cast<int>(id));
    return S_OK;
}

HRESULT FormAccessible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }

HRESULT FormAccessible::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

void NotifyControlEvent(DWORD event, HWND window, ui::Form const& form, ui::Control const& control)
{
    if (!window)
        return;
    if (int const id = ui::AccessibleChildId(form, control))
        NotifyWinEvent(event, window, OBJID_CLIENT, id);
}

}
