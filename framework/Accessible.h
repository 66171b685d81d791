#pragma once
// CAccessible: what a window tells screen readers about its client area
// (Microsoft Active Accessibility). Every question goes to the system's own
// object for the window, unless a derived class answers it itself. The window
// that owns the object disconnects it when it goes: clients that still hold it
// are told the object is gone.
// The interface's id is always __uuidof(IAccessible): MinGW's import library of
// oleacc.dll also offers a symbol IID_IAccessible, which links to a thunk's
// code instead of the id.

#include <windows.h>

#include <oleacc.h>

class CAccessible : public IAccessible {
public:
    explicit CAccessible(HWND hWnd);
    CAccessible(const CAccessible&) = delete;
    CAccessible& operator=(const CAccessible&) = delete;

    // The window is gone: every later question fails.
    void Disconnect();

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch: no type information; clients call through the vtable.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;
    // IAccessible, answered by the system's object unless overridden.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** ppdispParent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* pcountChildren) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT varChild, BSTR* pszName) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT varChild, BSTR* pszValue) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT varChild, BSTR* pszDescription) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT varChild, BSTR* pszHelp) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* pvarChild) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* pvarChildren) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flagsSelect, VARIANT varChild) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                          VARIANT varChild) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT varChild) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT varChild, BSTR szName) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT varChild, BSTR szValue) override;

protected:
    virtual ~CAccessible();
    HWND Window() const { return m_hWnd; }
    // The system's object for the window; null once disconnected.
    IAccessible* Standard() const { return m_pStandard; }

private:
    LONG m_nRefs = 1;
    HWND m_hWnd;
    IAccessible* m_pStandard = nullptr;
};

// A text as the BSTR that a client frees: S_OK, or E_OUTOFMEMORY.
HRESULT ReturnText(const char* lpszText, BSTR* pszText);
// A child id as the VARIANT that names it.
VARIANT ChildVariant(long nChild);

// Owns a window's accessible object: made at the first question, disconnected
// and released when the window's object goes.
class CAccessibleHolder {
public:
    CAccessibleHolder() = default;
    CAccessibleHolder(const CAccessibleHolder&) = delete;
    CAccessibleHolder& operator=(const CAccessibleHolder&) = delete;
    ~CAccessibleHolder()
    {
        if (m_pObject) {
            m_pObject->Disconnect();
            m_pObject->Release();
        }
    }
    // The object, made as a T from args the first time.
    template <typename T, typename... Args>
    CAccessible* Get(Args&&... args)
    {
        if (!m_pObject)
            m_pObject = new T(static_cast<Args&&>(args)...);
        return m_pObject;
    }

private:
    CAccessible* m_pObject = nullptr;
};
