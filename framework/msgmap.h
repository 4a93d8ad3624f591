// Message maps: each class lists the messages and command ids it handles;
// lookups walk from the class to its bases. Handlers are captureless lambdas
// that call the member, so every entry is type-checked.
#pragma once

#include "framework/messages.h"
#include "platform/types.h"

class CCmdTarget;

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // WM_COMMAND for commands
    UINT nCode;    // notification code for WM_COMMAND
    UINT nID;      // first control or command id
    UINT nLastID;  // last id of a range
    LRESULT (*pfn)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam);
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

class CObject {
public:
    virtual ~CObject() = default;
};

class CCmdTarget : public CObject {
public:
    // Runs the handler of a command from this target's map; FALSE when it has none.
    virtual BOOL OnCmdMsg(UINT nID, int nCode);

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

protected:
    static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID);
};

// clang-format off
#define DECLARE_MESSAGE_MAP()                                                                                          \
public:                                                                                                                \
    static const AFX_MSGMAP* GetThisMessageMap();                                                                      \
    const AFX_MSGMAP* GetMessageMap() const override;                                                                  \
                                                                                                                       \
private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }                                  \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                                    \
    {                                                                                                                  \
        using ThisClass = theClass;                                                                                    \
        using TheBaseClass = baseClass;                                                                                \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                              \
    {0, 0, 0, 0, nullptr}                                                                                              \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};                      \
    return &messageMap;                                                                                                \
    }

#define AFX_HANDLER(body) [](CCmdTarget * pTarget, WPARAM wParam, LPARAM lParam) -> LRESULT {                         \
    auto* pThis = static_cast<ThisClass*>(pTarget);                                                                    \
    (void)pThis;                                                                                                       \
    (void)wParam;                                                                                                      \
    (void)lParam;                                                                                                      \
    body                                                                                                               \
}

#define ON_COMMAND(id, memberFxn) {WM_COMMAND, CN_COMMAND, UINT(id), UINT(id), AFX_HANDLER((pThis->*(memberFxn))(); return 0;)},
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                                        \
    {WM_COMMAND, CN_COMMAND, UINT(id), UINT(idLast), AFX_HANDLER((pThis->*(memberFxn))(UINT(wParam)); return 0;)},
#define ON_BN_CLICKED(id, memberFxn) {WM_COMMAND, BN_CLICKED, UINT(id), UINT(id), AFX_HANDLER((pThis->*(memberFxn))(); return 0;)},
#define ON_MESSAGE(message, memberFxn) {UINT(message), 0, 0, 0, AFX_HANDLER(return (pThis->*(memberFxn))(wParam, lParam);)},
#define ON_WM_CREATE() {WM_CREATE, 0, 0, 0, AFX_HANDLER(return pThis->OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));)},
#define ON_WM_DESTROY() {WM_DESTROY, 0, 0, 0, AFX_HANDLER(pThis->OnDestroy(); return 0;)},
#define ON_WM_PAINT() {WM_PAINT, 0, 0, 0, AFX_HANDLER(pThis->OnPaint(); return 0;)},
#define ON_WM_TIMER() {WM_TIMER, 0, 0, 0, AFX_HANDLER(pThis->OnTimer(UINT_PTR(wParam)); return 0;)},
#define ON_WM_CLOSE() {WM_CLOSE, 0, 0, 0, AFX_HANDLER(pThis->OnClose(); return 0;)},
// The colour request a control sends before it paints; wParam is the HDC
// and lParam the control's HWND.
#define ON_WM_CTLCOLOR()                                                                                               \
    {WM_CTLCOLORSTATIC, 0, 0, 0, AFX_HANDLER(return AfxCallCtlColor(pThis, wParam, lParam, CTLCOLOR_STATIC);)},
#define ON_WM_CTLCOLORSTATIC() ON_WM_CTLCOLOR()
// A control's own WM_NOTIFY, reflected back to it by its parent:
// void OnX(NMHDR* pNMHDR, LRESULT* pResult).
#define ON_NOTIFY_REFLECT(code, memberFxn)                                                                             \
    {WM_REFLECT_BASE + WM_NOTIFY, UINT(code), 0, 0, AFX_HANDLER(                                                      \
        LRESULT result = 0; (pThis->*(memberFxn))(reinterpret_cast<NMHDR*>(lParam), &result); return result;)},
// clang-format on
