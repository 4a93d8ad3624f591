#include "framework/doc.h"

#include <algorithm>

#include "framework/app.h"
#include "framework/frame.h"
#include "framework/view.h"

CDocument::~CDocument() = default;

BOOL CDocument::OnNewDocument()
{
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCWSTR)
{
    // Documents of this framework keep nothing in files: opening one gives
    // the same empty document as a new one.
    CArchive ar(false);
    Serialize(ar);
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::Serialize(CArchive&)
{
}

BOOL CDocument::IsModified()
{
    return m_bModified;
}

void CDocument::SetModifiedFlag(BOOL bModified)
{
    m_bModified = bModified;
}

void CDocument::AddView(CView* pView)
{
    m_viewList.push_back(pView);
    pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView)
{
    m_viewList.erase(std::remove(m_viewList.begin(), m_viewList.end(), pView), m_viewList.end());
    pView->m_pDocument = nullptr;
    if (m_viewList.empty() && m_pDocTemplate) {
        m_pDocTemplate->RemoveDocument(this);
        delete this;
    }
}

CDocTemplate::CDocTemplate(
    UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc)
{
    auto* pFrame = dynamic_cast<CFrameWnd*>(m_pFrameClass->CreateObject());
    if (!pFrame)
        return nullptr;
    CCreateContext context{m_pViewClass, pDoc};
    if (!pFrame->LoadFrame(m_nIDResource, nullptr, &context)) {
        // A frame whose window failed is deleted here; one that got as far
        // as its window deleted itself when the window went.
        return nullptr;
    }
    return pFrame;
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    if (m_pOnlyDoc)
        m_pOnlyDoc->m_pDocTemplate = nullptr;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCWSTR lpszPathName)
{
    CDocument* pDoc = m_pOnlyDoc;
    CFrameWnd* pFrame = nullptr;
    if (pDoc) {
        if (auto* pMain = dynamic_cast<CFrameWnd*>(AfxGetApp()->m_pMainWnd))
            pFrame = pMain;
    } else {
        pDoc = dynamic_cast<CDocument*>(m_pDocClass->CreateObject());
        if (!pDoc)
            return nullptr;
        pDoc->m_pDocTemplate = this;
        m_pOnlyDoc = pDoc;
        pFrame = CreateNewFrame(pDoc);
        if (!pFrame) {
            if (m_pOnlyDoc == pDoc) {
                m_pOnlyDoc = nullptr;
                delete pDoc;
            }
            return nullptr;
        }
        if (!AfxGetApp()->m_pMainWnd)
            AfxGetApp()->m_pMainWnd = pFrame;
    }
    const BOOL ok = lpszPathName ? pDoc->OnOpenDocument(lpszPathName) : pDoc->OnNewDocument();
    if (!ok)
        return nullptr;
    if (pFrame)
        pFrame->InitialUpdateFrame(pDoc);
    return pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    if (m_pOnlyDoc == pDoc)
        m_pOnlyDoc = nullptr;
}
