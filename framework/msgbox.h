// Message boxes, with a hook through which tests see each box and answer it.
#pragma once

#include <functional>

#include "framework/string.h"

struct AFX_MESSAGEBOX {
    HWND hWndOwner;
    CString strText;
    CString strCaption;
    UINT nType;
};

using AFX_MESSAGEBOX_HOOK = std::function<int(const AFX_MESSAGEBOX&)>;

// Installs a hook that answers every box instead of a person; returns the
// previous hook. An empty hook restores the real boxes.
AFX_MESSAGEBOX_HOOK AfxSetMessageBoxHook(AFX_MESSAGEBOX_HOOK hook);

int AfxShowMessageBox(HWND hWndOwner, LPCWSTR lpszText, LPCWSTR lpszCaption, UINT nType);
