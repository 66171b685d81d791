#pragma once
// The document and the view, and the template that makes the one document of
// the program together with its frame and view.

#include "framework/CmdTarget.h"
#include "framework/Gdi.h"
#include "framework/String.h"
#include "framework/Wnd.h"

#include <memory>

class CDocument;
class CView;

// What the frame's creation passes on to the view it makes.
struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass;
    CDocument* m_pCurrentDoc;
};

class CDocument : public CCmdTarget {
public:
    // A new, empty document, titled "Untitled".
    virtual BOOL OnNewDocument();
    // Opens a file as the document: it must be readable, and its name becomes
    // the title; nothing is read from it. FALSE (after telling the player) when
    // the file cannot be opened.
    virtual BOOL OnOpenDocument(LPCSTR lpszPathName);

    const CString& GetTitle() const { return m_strTitle; }

private:
    CString m_strTitle;
};

class CView : public CWnd {
public:
    CDocument* GetDocument() const { return m_pDocument; }
    // The view's own tables first, then its document's.
    BOOL OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI) override;

protected:
    // Paints the view; the framework calls it with the paint context.
    virtual void OnDraw(CDC* pDC);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    CDocument* m_pDocument = nullptr;
};

class CSingleDocTemplate {
public:
    CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                       const CRuntimeClass* pViewClass);
    CSingleDocTemplate(const CSingleDocTemplate&) = delete;
    CSingleDocTemplate& operator=(const CSingleDocTemplate&) = delete;
    ~CSingleDocTemplate();

    // The first call makes the document, its frame and its view; later calls
    // renew the document. With a path the file is opened as the document.
    // Null when that fails.
    CDocument* OpenDocumentFile(LPCSTR lpszPathName);

private:
    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
    std::unique_ptr<CDocument> m_pOnlyDoc;
};
