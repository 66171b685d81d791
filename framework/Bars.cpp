#include "framework/Bars.h"

#include "framework/App.h"
#include "framework/Gdi.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

BOOL CControlBar::CreateControl(LPCSTR lpszClassName, DWORD dwStyle, CWnd* pParentWnd, UINT nID)
{
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);
    return CreateEx(0, lpszClassName, nullptr, dwStyle, 0, 0, 0, 0, pParentWnd, nID);
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateControl(TOOLBARCLASSNAMEA, dwStyle | TBSTYLE_TOOLTIPS | CCS_TOP, pParentWnd, nID);
}

namespace {
// The tool bar's pictures in the system's button colours, as a tool bar maps
// those of a resource, stretched to w x h (above 96 DPI from the double-size
// picture where there is one).
bool LoadMappedPictures(HINSTANCE hInst, UINT nIDResource, UINT nDpi, int w, int h, CBitmap& pictures)
{
    const UINT twice = nIDResource + kDoubleSizeBitmap;
    const bool fromTwice = nDpi > kBaseDpi && ::FindResourceW(hInst, MAKEINTRESOURCEW(twice), MAKEINTRESOURCEW(2));
    CBitmap mapped;
    mapped.Attach(::CreateMappedBitmap(hInst, static_cast<INT_PTR>(fromTwice ? twice : nIDResource), 0, nullptr, 0));
    CClientDC screen(nullptr);
    CDC source, target;
    if (!mapped.GetSafeHandle() || !source.CreateCompatibleDC(&screen) || !target.CreateCompatibleDC(&screen))
        return false;
    pictures.Attach(::CreateCompatibleBitmap(screen.m_hDC, w, h));
    if (!pictures.GetSafeHandle())
        return false;
    const CSize size = mapped.GetSize();
    CSelectedObject from(source, mapped.GetSafeHandle()), to(target, pictures.GetSafeHandle());
    ::SetStretchBltMode(target.m_hDC, COLORONCOLOR);
    return ::StretchBlt(target.m_hDC, 0, 0, w, h, source.m_hDC, 0, 0, size.cx, size.cy, SRCCOPY) != FALSE;
}
} // namespace

BOOL CToolBar::LoadToolBar(UINT nIDResource)
{
    // The TOOLBAR resource as the resource compiler writes it, in 32-bit
    // words: button width, button height, the number of items, then each
    // item's command (0 for a gap).
    const std::string_view resource = AfxLoadResourceData(MAKEINTRESOURCEW(nIDResource), MAKEINTRESOURCEW(241));
    const auto* data = reinterpret_cast<const DWORD*>(resource.data());
    const std::size_t words = resource.size() / sizeof(DWORD);
    if (words < 3 || words - 3 < data[2])
        return FALSE;
    const DWORD width = data[0], height = data[1], count = data[2];

    std::vector<TBBUTTON> buttons;
    int image = 0;
    for (DWORD i = 0; i < count; ++i) {
        const auto command = static_cast<int>(data[3 + i]);
        TBBUTTON button{};
        button.idCommand = command;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = command ? TBSTYLE_BUTTON : TBSTYLE_SEP;
        button.iBitmap = command ? image++ : 0;
        buttons.push_back(button);
    }
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    const UINT dpi = GetDpi();
    const int cx = ScaleToDpi(static_cast<int>(width), dpi), cy = ScaleToDpi(static_cast<int>(height), dpi);
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(cx, cy));
    if (!LoadMappedPictures(AfxGetResourceHandle(), nIDResource, dpi, image * cx, cy, m_pictures))
        return FALSE;
    TBADDBITMAP bitmap{nullptr, reinterpret_cast<UINT_PTR>(m_pictures.GetSafeHandle())};
    if (SendMessage(TB_ADDBITMAP, image, reinterpret_cast<LPARAM>(&bitmap)) < 0 ||
        !SendMessage(TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data())))
        return FALSE;
    PlaceAtEdge();
    return TRUE;
}

void CToolBar::PlaceAtEdge()
{
    SendMessage(TB_AUTOSIZE);
}

HWND CToolBar::GetToolTips() const
{
    return reinterpret_cast<HWND>(::SendMessageW(m_hWnd, TB_GETTOOLTIPS, 0, 0));
}

namespace {
// The state of one tool bar button, as the update handlers set it.
class CToolCmdUI : public CCmdUI {
public:
    explicit CToolCmdUI(CToolBar& bar) : m_bar(bar) {}
    void Enable(BOOL bOn) override { SetState(TBSTATE_ENABLED, bOn); }
    void SetCheck(int nCheck) override { SetState(TBSTATE_CHECKED, nCheck != 0); }

private:
    // Only a change is sent, so that an idle bar is not repainted.
    void SetState(LRESULT flag, bool on)
    {
        const LRESULT state = m_bar.SendMessage(TB_GETSTATE, m_nID);
        const LRESULT wanted = on ? state | flag : state & ~flag;
        if (state != -1 && wanted != state)
            m_bar.SendMessage(TB_SETSTATE, m_nID, MAKELPARAM(wanted, 0));
    }
    CToolBar& m_bar;
};
} // namespace

void CToolBar::OnUpdateCmdUI(CCmdTarget* pTarget)
{
    CToolCmdUI state(*this);
    const auto count = static_cast<int>(SendMessage(TB_BUTTONCOUNT));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        if (!SendMessage(TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button)) || button.fsStyle & TBSTYLE_SEP)
            continue;
        state.m_nID = static_cast<UINT>(button.idCommand);
        state.m_nIndex = static_cast<UINT>(i);
        state.DoUpdate(pTarget);
    }
}

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateControl(STATUSCLASSNAMEA, dwStyle | CCS_BOTTOM, pParentWnd, nID);
}

CStatusBar::~CStatusBar()
{
    if (m_hFont)
        ::DeleteObject(m_hFont);
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    m_indicators.assign(lpIDArray, lpIDArray + nIDCount);
    if (!TakeScale())
        return FALSE;
    for (int i = 0; i < nIDCount; ++i) {
        CString text;
        text.LoadString(lpIDArray[i]);
        SetPaneText(i, text, FALSE);
    }
    return TRUE;
}

BOOL CStatusBar::TakeScale()
{
    NONCLIENTMETRICSW metrics;
    const HFONT hFont = GetNonClientMetrics(metrics, GetDpi()) ? ::CreateFontIndirectW(&metrics.lfStatusFont) : nullptr;
    if (!hFont)
        return FALSE;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    if (m_hFont)
        ::DeleteObject(m_hFont);
    m_hFont = hFont;
    return LayOutPanes();
}

BOOL CStatusBar::LayOutPanes()
{
    // Each pane's width: its indicator string in the bar's font, or the text
    // it shows where that is wider, with the bar's borders on both sides and
    // the gap to the next pane.
    int borders[3] = {};
    SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    CClientDC dc(this);
    CSelectedObject font(dc, m_hFont);
    std::vector<int> rightEdges;
    int right = 0;
    for (std::size_t i = 0; i < m_indicators.size(); ++i) {
        CString text;
        text.LoadString(m_indicators[i]);
        const int shown = i < m_texts.size() ? dc.GetTextExtent(m_texts[i]).cx : 0;
        right += std::max<int>(dc.GetTextExtent(text).cx, shown) + 2 * borders[0] + borders[2];
        rightEdges.push_back(right);
    }
    return SendMessage(SB_SETPARTS, rightEdges.size(), reinterpret_cast<LPARAM>(rightEdges.data())) != 0;
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate)
{
    // The text a pane shows already is not laid out and drawn again.
    if (nIndex >= 0 && static_cast<std::size_t>(nIndex) < m_texts.size() && m_texts[static_cast<std::size_t>(nIndex)] == lpszNewText)
        return TRUE;
    if (nIndex < 0 || !SendMessage(SB_SETTEXTW, nIndex, reinterpret_cast<LPARAM>(Wide(lpszNewText).c_str())))
        return FALSE;
    m_texts.resize(std::max(m_texts.size(), static_cast<std::size_t>(nIndex) + 1));
    m_texts[static_cast<std::size_t>(nIndex)] = lpszNewText;
    LayOutPanes();
    if (bUpdate)
        UpdateWindow();
    return TRUE;
}

void CStatusBar::PlaceAtEdge()
{
    // Moved to the frame's new bottom edge, the bar is drawn whole there; left
    // to itself it was drawn again only where a pane's text changed (seen
    // under Wine when the frame is maximized).
    SendMessage(WM_SIZE);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}
