#pragma once
// The main window's client area as Microsoft Active Accessibility sees it: an IAccessible over a
// form's accessible tree (ui/AccessibleTree.h), so that a screen reader finds each painted button,
// tab, swatch and picture with its name, role, state and place. A native child (an edit, the
// check box, the combo box) is the system's own object for its window. The default action is run
// later from the window's queue, never inside a client's call: a pick started from it runs a
// loop of its own. Internal to win32 (includes <windows.h>).
//
// IAccessible's id is __uuidof(IAccessible): the IID_IAccessible of a static link is the address
// of an import stub, not the id.

#include "ui/Form.h"

#include <oleacc.h>
#include <windows.h>

#include <functional>

namespace platform::win32 {

struct FormAccessibleHost {
    // The native child window of a control; null for a windowless one.
    std::function<HWND(ui::Control const&)> nativeChild;
    // Runs the default action of a child later, on the window's thread.
    std::function<void(int childId)> postDefaultAction;
};

class FormAccessible final : public IAccessible {
public:
    // Starts with one reference, the caller's.
    FormAccessible(ui::Form& form, HWND window, FormAccessibleHost host);
    FormAccessible(FormAccessible const&) = delete;
    FormAccessible& operator=(FormAccessible const&) = delete;

    // The window is going: every later call from a client that still holds the object fails.
    void Disconnect();

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch: clients of IAccessible call it directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** dispatch) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

private:
    ~FormAccessible() = default;
    // The child id a VARIANT names: 0 for the client itself, -1 for none or when disconnected.
    long ChildOf(VARIANT const& child) const;
    // A child's id as the answer a client wants: the system's object for a native child.
    void Answer(long childId, VARIANT* out) const;

    LONG m_references = 1;
    ui::Form* m_form;
    HWND m_window;
    FormAccessibleHost m_host;
};

// The system's event for a control of a form in a window (EVENT_OBJECT_FOCUS, ...NAMECHANGE).
void NotifyControlEvent(DWORD event, HWND window, ui::Form const& form, ui::Control const& control);

}
