#include "framework/DocView.h"

#include "framework/App.h"
#include "framework/FrameWnd.h"
#include "framework/FrameworkIds.h"
#include "framework/Language.h"

#include <cstring>

BOOL CDocument::OnNewDocument()
{
    m_strTitle.LoadString(AFX_IDS_UNTITLED);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCSTR lpszPathName)
{
    HANDLE hFile = ::CreateFileW(Wide(lpszPathName).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        AfxMessageBox(AfxFormatString(AFX_IDP_FAILED_TO_OPEN_DOC, {lpszPathName}), MB_ICONEXCLAMATION);
        return FALSE;
    }
    ::CloseHandle(hFile);
    const char* name = std::strrchr(lpszPathName, '\\');
    m_strTitle = name ? name + 1 : lpszPathName;
    return TRUE;
}

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CView::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI)
{
    return CWnd::OnCmdMsg(nID, nCode, pCmdUI) || (m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pCmdUI));
}

void CView::OnDraw(CDC*)
{
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.lpszClass = AfxRegisterWndClass("MorvaneView", CS_HREDRAW | CS_VREDRAW,
                                       reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr);
    return cs.lpszClass != nullptr;
}

void CView::PostNcDestroy()
{
    delete this;
}

int CView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (const auto* context = static_cast<const CCreateContext*>(lpCreateStruct->lpCreateParams))
        m_pDocument = context->m_pCurrentDoc;
    return CWnd::OnCreate(lpCreateStruct);
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnDraw(&dc);
}

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                                       const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
}

CSingleDocTemplate::~CSingleDocTemplate() = default;

namespace {
BOOL OpenOrRenew(CDocument& doc, LPCSTR lpszPathName)
{
    return lpszPathName ? doc.OnOpenDocument(lpszPathName) : doc.OnNewDocument();
}
} // namespace

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCSTR lpszPathName)
{
    if (m_pOnlyDoc) {
        if (!OpenOrRenew(*m_pOnlyDoc, lpszPathName))
            return nullptr;
        if (auto* pFrame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd()))
            pFrame->InitialUpdateFrame(m_pOnlyDoc.get());
        return m_pOnlyDoc.get();
    }
    std::unique_ptr<CDocument> pDoc(static_cast<CDocument*>(m_pDocClass->CreateObject()));
    auto* pFrame = static_cast<CFrameWnd*>(m_pFrameClass->CreateObject());
    CCreateContext context{m_pViewClass, pDoc.get()};
    // A frame whose window fails goes with its window (CFrameWnd::PostNcDestroy).
    if (!pFrame->LoadFrame(m_nIDResource, &context))
        return nullptr;
    if (!OpenOrRenew(*pDoc, lpszPathName)) {
        pFrame->DestroyWindow();
        return nullptr;
    }
    pFrame->InitialUpdateFrame(pDoc.get());
    m_pOnlyDoc = std::move(pDoc);
    return m_pOnlyDoc.get();
}
