// Documents and the single-document template that ties document, frame and view.
#pragma once

#include <vector>

#include "framework/msgmap.h"
#include "framework/string.h"

class CView;
class CFrameWnd;
class CDocTemplate;

// Lets a template create objects of the classes it was given.
struct CRuntimeClass {
    CObject* (*m_pfnCreateObject)();
    CObject* CreateObject() const { return m_pfnCreateObject(); }
};

template <typename T> const CRuntimeClass* AfxRuntimeClassOf()
{
    static const CRuntimeClass rc{[]() -> CObject* { return new T; }};
    return &rc;
}
#define RUNTIME_CLASS(class_name) (AfxRuntimeClassOf<class_name>())

class CArchive {
public:
    explicit CArchive(bool bStoring) : m_bStoring(bStoring) { }
    bool IsStoring() const { return m_bStoring; }
    bool IsLoading() const { return !m_bStoring; }

private:
    bool m_bStoring;
};

class CDocument : public CCmdTarget {
public:
    ~CDocument() override;

    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(LPCWSTR lpszPathName);
    virtual void Serialize(CArchive& ar);
    virtual BOOL IsModified();
    virtual void SetModifiedFlag(BOOL bModified = TRUE);

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    CDocTemplate* m_pDocTemplate = nullptr;

private:
    std::vector<CView*> m_viewList;
    BOOL m_bModified = FALSE;
};

// What a frame needs to create its view.
struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass;
    CDocument* m_pCurrentDoc;
};

class CDocTemplate : public CCmdTarget {
public:
    CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
        const CRuntimeClass* pViewClass);
    virtual CDocument* OpenDocumentFile(LPCWSTR lpszPathName) = 0;
    virtual void RemoveDocument(CDocument* pDoc) = 0;

protected:
    CFrameWnd* CreateNewFrame(CDocument* pDoc);
    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
};

class CSingleDocTemplate : public CDocTemplate {
public:
    using CDocTemplate::CDocTemplate;
    ~CSingleDocTemplate() override;
    // Reuses the one document and its frame; each call runs the views'
    // initial update again.
    CDocument* OpenDocumentFile(LPCWSTR lpszPathName) override;
    void RemoveDocument(CDocument* pDoc) override;
    CDocument* GetOnlyDocument() const { return m_pOnlyDoc; }

private:
    CDocument* m_pOnlyDoc = nullptr;
};
