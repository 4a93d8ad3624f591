#include "skin/SkinDialog.h"

#include <utility>

#include "framework/snapshot.h"
#include "skin/SkinDrawing.h"
#include "skin/SkinPaths.h"

BEGIN_MESSAGE_MAP(CSkinDialog, CDialog)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CSkinDialog::CSkinDialog(
    UINT nIDTemplate, int nScreen, UINT nIDErrorCaption, CString strImageExt, CString strSkinFolder, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_strImageExt(std::move(strImageExt)), m_strSkinFolder(std::move(strSkinFolder)),
      m_nScreen(nScreen), m_nIDErrorCaption(nIDErrorCaption)
{
}

CSkinDialog::~CSkinDialog()
{
    // The window and its controls, which borrowed the picture, are gone by now.
    DeleteObject(m_hBackground);
}

BOOL CSkinDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    AfxRegisterSnapshot(this, m_nScreen);
    // The picture of an earlier opening is no longer shown by anything.
    DeleteObject(std::exchange(m_hBackground,
        LoadSkinImage(this, SkinImagePath(m_strSkinFolder, m_nScreen, m_strImageExt), m_nIDErrorCaption)));
    return TRUE;
}

void CSkinDialog::OnPaint()
{
    PaintSkinImage(this, m_hBackground);
}
