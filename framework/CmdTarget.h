#pragma once
// Message and command tables, and the objects that own them.
//
// A class that answers messages declares DECLARE_MESSAGE_MAP() and lists its
// handlers between BEGIN_MESSAGE_MAP(theClass, baseClass) and END_MESSAGE_MAP(),
// one line an entry. A lookup searches the most derived table first, then the
// tables of the base classes.

#include "framework/Object.h"

#include <windows.h>

class CCmdTarget;
class CCmdUI;

// A handler: the receiving object and the message's parameters in, the result out.
using AFX_PMSG = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

// Codes of WM_COMMAND entries beside the controls' own notification codes.
constexpr int CN_COMMAND = 0;             // a menu, accelerator or button command
constexpr int CN_UPDATE_COMMAND_UI = -1;  // asks a command's state for a CCmdUI

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // 0 ends a table
    int nCode;     // WM_COMMAND entries: the notification code
    UINT nID;      // WM_COMMAND entries: the command or control id
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

class CCmdTarget : public CObject {
public:
    // Runs the handler of a command (CN_COMMAND) or its update handler
    // (CN_UPDATE_COMMAND_UI, with pCmdUI). For CN_COMMAND with a CCmdUI it only
    // tells whether a handler exists. FALSE when this object has no such entry.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    const AFX_MSGMAP_ENTRY* FindEntry(UINT nMessage, int nCode, UINT nID) const;
};

#define DECLARE_MESSAGE_MAP()                          \
protected:                                             \
    static const AFX_MSGMAP* GetThisMessageMap();      \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                 \
    {                                                                               \
        using ThisClass [[maybe_unused]] = theClass;                                \
        using TheBaseClass = baseClass;                                             \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                           \
            {0, 0, 0, nullptr}};                                                    \
        static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries};  \
        return &map;                                                                \
    }

#define AFX_HANDLER(body) [](CCmdTarget* p, WPARAM w, LPARAM l) -> LRESULT { \
        [[maybe_unused]] ThisClass* self = static_cast<ThisClass*>(p);      \
        (void)w, (void)l;                                                   \
        body                                                                \
    }

#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), AFX_HANDLER(self->memberFxn(); return 0;)},
// A handler that several commands share: it is told which one came.
#define ON_COMMAND_EX(id, memberFxn) \
    {WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), AFX_HANDLER(self->memberFxn(static_cast<UINT>(id)); return 0;)},
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                      \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, static_cast<UINT>(id),     \
     AFX_HANDLER(self->memberFxn(reinterpret_cast<CCmdUI*>(l)); return 0;)},

// A list box's selection changed (the list box needs LBS_NOTIFY).
#define ON_LBN_SELCHANGE(id, memberFxn) \
    {WM_COMMAND, LBN_SELCHANGE, static_cast<UINT>(id), AFX_HANDLER(self->memberFxn(); return 0;)},
#define ON_MESSAGE(message, memberFxn) {message, 0, 0, AFX_HANDLER(return self->memberFxn(w, l);)},
#define ON_WM_CREATE() \
    {WM_CREATE, 0, 0, AFX_HANDLER(return self->OnCreate(reinterpret_cast<LPCREATESTRUCT>(l));)},
#define ON_WM_CLOSE() {WM_CLOSE, 0, 0, AFX_HANDLER(self->OnClose(); return 0;)},
#define ON_WM_PAINT() {WM_PAINT, 0, 0, AFX_HANDLER(self->OnPaint(); return 0;)},
#define ON_WM_SIZE() \
    {WM_SIZE, 0, 0, AFX_HANDLER(self->OnSize(static_cast<UINT>(w), LOWORD(l), HIWORD(l)); return 0;)},
#define ON_WM_LBUTTONDOWN()                                                                     \
    {WM_LBUTTONDOWN, 0, 0,                                                                     \
     AFX_HANDLER(self->OnLButtonDown(static_cast<UINT>(w),                                     \
                                     CPoint(static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l)))); \
                 return 0;)},
#define ON_WM_SHOWWINDOW() \
    {WM_SHOWWINDOW, 0, 0, AFX_HANDLER(self->OnShowWindow(static_cast<BOOL>(w), static_cast<UINT>(l)); return 0;)},
#define ON_WM_KEYDOWN()                                                                          \
    {WM_KEYDOWN, 0, 0,                                                                          \
     AFX_HANDLER(self->OnKeyDown(static_cast<UINT>(w), LOWORD(l), HIWORD(l)); return 0;)},
#define ON_WM_SETFOCUS() {WM_SETFOCUS, 0, 0, AFX_HANDLER(self->OnSetFocus(reinterpret_cast<HWND>(w)); return 0;)},
#define ON_WM_TIMER() {WM_TIMER, 0, 0, AFX_HANDLER(self->OnTimer(static_cast<UINT_PTR>(w)); return 0;)},
#define ON_WM_INITMENUPOPUP()                                                                   \
    {WM_INITMENUPOPUP, 0, 0,                                                                   \
     AFX_HANDLER(self->OnInitMenuPopup(reinterpret_cast<HMENU>(w), LOWORD(l), HIWORD(l)); return 0;)},

// The state of one menu item while its menu opens, or of one tool bar button
// while the program is idle: update handlers set it.
class CCmdUI {
public:
    virtual ~CCmdUI() = default;

    UINT m_nID = 0;
    UINT m_nIndex = 0;
    HMENU m_hMenu = nullptr;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);

    // Runs the item's update handler along pTarget's route; an item that has
    // neither an update handler nor a command handler is greyed.
    void DoUpdate(CCmdTarget* pTarget);
};
