#include "framework/CmdTarget.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindEntry(UINT nMessage, int nCode, UINT nID) const
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr)
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->nMessage; ++e)
            if (e->nMessage == nMessage && e->nCode == nCode && e->nID == nID)
                return e;
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI)
{
    const AFX_MSGMAP_ENTRY* entry = FindEntry(WM_COMMAND, nCode, nID);
    if (!entry)
        return FALSE;
    if (nCode != CN_COMMAND || !pCmdUI)
        entry->pfn(this, 0, reinterpret_cast<LPARAM>(pCmdUI));
    return TRUE;
}

void CCmdUI::Enable(BOOL bOn)
{
    ::EnableMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_GRAYED));
}

void CCmdUI::SetCheck(int nCheck)
{
    ::CheckMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
}

void CCmdUI::DoUpdate(CCmdTarget* pTarget)
{
    if (!pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this))
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this));
}
