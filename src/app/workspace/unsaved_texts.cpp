#include "app/workspace/workspace.h"

#include "app/frame/globals.h"
#include "doc/win/document.h"
#include "filelist/win/file_list_win.h"
#include "filelist/win/temp_backup.h"

#include <richedit.h>
#include <string>
#include <vector>

// The texts that the question names at most; more are counted.
static const size_t kNamesShown = 12;

static bool PaneModified(HWND pane)
{
    return pane && SendMessageA(pane, EM_GETMODIFY, 0, 0) != 0;
}

static std::string NameOf(const DocumentRecord &r, const std::string &fallback)
{
    if (r.szTitle[0])
        return r.szTitle;
    if (!fallback.empty()) {
        char szName[FILE_TITLE_SIZE] = "";
        GetNameOfPath(fallback.c_str(), szName, sizeof szName);
        return szName;
    }
    return "(無題)";
}

/* SaveShownPane: a modified pane on show over its file, or under a new name
   when it has none; FALSE when it was not saved (cancelled or refused). */
static BOOL SaveShownPane(HWND owner, HWND pane)
{
    const DocumentRecord &r = DocumentOf(pane);
    uint64_t nSize = 0;
    if (r.szPath[0])
        return OverWritePane(owner, pane, r.szPath, &nSize) == SAVE_OK;
    char szPath[FULL_PATH_SIZE] = "";
    if (pane == frame.hSubEdit1)
        ReplaceExtension(doc.szFullPath, ".rc", szPath, sizeof szPath);
    return SavePaneAs(owner, pane, szPath, &nSize) == SAVE_OK;
}

BOOL AskAboutUnsavedTexts(HWND owner)
{
    std::vector<FileEntry *> parked = ParkedEntriesWithChanges();
    bool bMain = PaneModified(frame.hEdit), bRc = PaneModified(frame.hSubEdit1);
    std::vector<std::string> names;
    if (bMain)
        names.push_back(NameOf(doc.mainDoc, ""));
    if (bRc)
        names.push_back(NameOf(doc.rcDoc, ""));
    for (FileEntry *e : parked) {
        if (e->bMainTmp && e->nMainModified)
            names.push_back(NameOf(e->mainDoc, e->szFull));
        if (e->bRcTmp && e->nRcModified)
            names.push_back(NameOf(e->rcDoc, e->szRcFull));
    }
    if (names.empty())
        return TRUE;
    std::string text = "次のテキストに保存していない変更があります。\r\n\r\n";
    for (size_t i = 0; i < names.size() && i < kNamesShown; ++i)
        text += "    " + names[i] + "\r\n";
    if (names.size() > kNamesShown)
        text += "    ほか " + std::to_string(names.size() - kNamesShown) + " 件\r\n";
    text += "\r\n保存してから終了しますか？\r\n"
            "（はい: すべて保存して終了　いいえ: 保存せずに終了　キャンセル: 終了しない）";
    int answer = MessageBoxA(owner, text.c_str(), "注意", MB_YESNOCANCEL | MB_ICONEXCLAMATION | MB_TASKMODAL);
    if (answer == IDNO)
        return TRUE;
    if (answer != IDYES)
        return FALSE;
    // Saved one after the other; the first that is not saved keeps the editor open.
    if (bMain && !SaveShownPane(owner, frame.hEdit))
        return FALSE;
    if (bRc && !SaveShownPane(owner, frame.hSubEdit1))
        return FALSE;
    for (FileEntry *e : parked) {
        if (e->bMainTmp && e->nMainModified && !SaveParkedText(*e, TRUE))
            return FALSE;
        if (e->bRcTmp && e->nRcModified && !SaveParkedText(*e, FALSE))
            return FALSE;
    }
    return TRUE;
}
