#include "framework/Accessible.h"

#include "framework/String.h"

#include <string>

CAccessible::CAccessible(HWND hWnd) : m_hWnd(hWnd)
{
    // Without the system's object the questions that it would answer fail.
    if (FAILED(::CreateStdAccessibleObject(hWnd, OBJID_CLIENT, __uuidof(IAccessible),
                                           reinterpret_cast<void**>(&m_pStandard))))
        m_pStandard = nullptr;
}

CAccessible::~CAccessible()
{
    Disconnect();
}

void CAccessible::Disconnect()
{
    if (m_pStandard)
        m_pStandard->Release();
    m_pStandard = nullptr;
    m_hWnd = nullptr;
}

HRESULT CAccessible::QueryInterface(REFIID riid, void** ppv)
{
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(IAccessible)) {
        *ppv = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG CAccessible::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs));
}

ULONG CAccessible::Release()
{
    const LONG n = ::InterlockedDecrement(&m_nRefs);
    if (n == 0)
        delete this;
    return static_cast<ULONG>(n);
}

HRESULT CAccessible::GetTypeInfoCount(UINT* pctinfo)
{
    *pctinfo = 0;
    return S_OK;
}

HRESULT CAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**)
{
    return E_NOTIMPL;
}

HRESULT CAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

HRESULT CAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return E_NOTIMPL;
}

// Hands a question to the system's object; once disconnected, it fails.
#define ASK_STANDARD(call) return m_pStandard ? m_pStandard->call : CO_E_OBJNOTCONNECTED

HRESULT CAccessible::get_accParent(IDispatch** p) { ASK_STANDARD(get_accParent(p)); }
HRESULT CAccessible::get_accChildCount(long* p) { ASK_STANDARD(get_accChildCount(p)); }
HRESULT CAccessible::get_accChild(VARIANT v, IDispatch** p) { ASK_STANDARD(get_accChild(v, p)); }
HRESULT CAccessible::get_accName(VARIANT v, BSTR* p) { ASK_STANDARD(get_accName(v, p)); }
HRESULT CAccessible::get_accValue(VARIANT v, BSTR* p) { ASK_STANDARD(get_accValue(v, p)); }
HRESULT CAccessible::get_accDescription(VARIANT v, BSTR* p) { ASK_STANDARD(get_accDescription(v, p)); }
HRESULT CAccessible::get_accRole(VARIANT v, VARIANT* p) { ASK_STANDARD(get_accRole(v, p)); }
HRESULT CAccessible::get_accState(VARIANT v, VARIANT* p) { ASK_STANDARD(get_accState(v, p)); }
HRESULT CAccessible::get_accHelp(VARIANT v, BSTR* p) { ASK_STANDARD(get_accHelp(v, p)); }
HRESULT CAccessible::get_accHelpTopic(BSTR* f, VARIANT v, long* p) { ASK_STANDARD(get_accHelpTopic(f, v, p)); }
HRESULT CAccessible::get_accKeyboardShortcut(VARIANT v, BSTR* p) { ASK_STANDARD(get_accKeyboardShortcut(v, p)); }
HRESULT CAccessible::get_accFocus(VARIANT* p) { ASK_STANDARD(get_accFocus(p)); }
HRESULT CAccessible::get_accSelection(VARIANT* p) { ASK_STANDARD(get_accSelection(p)); }
HRESULT CAccessible::get_accDefaultAction(VARIANT v, BSTR* p) { ASK_STANDARD(get_accDefaultAction(v, p)); }
HRESULT CAccessible::accSelect(long f, VARIANT v) { ASK_STANDARD(accSelect(f, v)); }
HRESULT CAccessible::accLocation(long* x, long* y, long* cx, long* cy, VARIANT v)
{
    ASK_STANDARD(accLocation(x, y, cx, cy, v));
}
HRESULT CAccessible::accNavigate(long d, VARIANT v, VARIANT* p) { ASK_STANDARD(accNavigate(d, v, p)); }
HRESULT CAccessible::accHitTest(long x, long y, VARIANT* p) { ASK_STANDARD(accHitTest(x, y, p)); }
HRESULT CAccessible::accDoDefaultAction(VARIANT v) { ASK_STANDARD(accDoDefaultAction(v)); }
HRESULT CAccessible::put_accName(VARIANT v, BSTR s) { ASK_STANDARD(put_accName(v, s)); }
HRESULT CAccessible::put_accValue(VARIANT v, BSTR s) { ASK_STANDARD(put_accValue(v, s)); }

#undef ASK_STANDARD

HRESULT ReturnText(const char* lpszText, BSTR* pszText)
{
    *pszText = ::SysAllocString(Wide(lpszText).c_str());
    return *pszText ? S_OK : E_OUTOFMEMORY;
}

VARIANT ChildVariant(long nChild)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = nChild;
    return v;
}
