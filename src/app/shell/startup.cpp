#include "app/shell/startup.h"

#include "app/frame/busy_guard.h"
#include "app/shell/command_owners.h"
#include "app/frame/globals.h"
#include "app/shell/mainwnd.h"
#include "app/frame/split_window.h"
#include "filelist/win/recovery.h"

#include <cstdio>
#include <cstring>

const char MAIN_WINDOW_CLASS[] = "Sora_EditorClass";

/*
 * RegisterMainClass: registers "Sora_EditorClass" with the main window
 * procedure and the menu "MYMENU1".
 */
BOOL RegisterMainClass(HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = MainWndProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 30;
    wc.hInstance = instance;
    wc.hIcon = LoadIcon(NULL, IDI_WINLOGO);
    wc.hCursor = LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(LTGRAY_BRUSH);
    wc.lpszMenuName = "MYMENU1";
    wc.lpszClassName = MAIN_WINDOW_CLASS;
    return RegisterClassA(&wc) != 0;
}

/* OfferWorkDir: asks to create the working folder when it is missing. */
static void OfferWorkDir()
{
    if (!frame.startupPaths.szWorkDir[0] || GetFileAttributesA(frame.startupPaths.szWorkDir) != INVALID_FILE_ATTRIBUTES)
        return;
    char question[WORK_DIR_SIZE + 160];
    _snprintf(question, sizeof question - 1,
              "起動したアプリケーションのある場所に\r\n作業用ディレクトリを作成してよろしいですか？\r\n(%-s)を作成。",
              frame.startupPaths.szWorkDir);
    question[sizeof question - 1] = '\0';
    if (MessageBoxA(NULL, question, "確認", MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) == IDYES)
        CreateDirectoryA(frame.startupPaths.szWorkDir, NULL);
}

/*
 * NumberInstance: takes the first free instance number by creating named
 * mutexes until one did not exist yet. The handles stay open for the life
 * of the process, so a number is free again only when its copy has ended.
 */
static void NumberInstance()
{
    for (;;) {
        HANDLE mutex =
            CreateMutexA(NULL, TRUE, InstanceMutexName(frame.startupPaths.szModule, frame.nInstanceNo).c_str());
        DWORD error = GetLastError();
        frame.nInstanceNo++;
        if (error != ERROR_ALREADY_EXISTS)
            return;
        // Taken by a running copy: keeping this handle would hold the name
        // alive after that copy ends, so its number would never come free.
        if (mutex)
            CloseHandle(mutex);
        if (frame.nInstanceNo > 64 &&
            MessageBoxA(NULL,
                        "Too Many Temporal Instances or SystemError Occured !\r\n"
                        "if you are using this application in normal way, maybe you can go on.\r\n"
                        "nontheless go on ?",
                        "Caution !", MB_YESNO | MB_ICONSTOP) == IDNO)
            ExitProcess(0);
    }
}

/*
 * InitWorkPaths: fixes the start-up paths, offers to create the working
 * folder and numbers the running copy.
 */
BOOL InitWorkPaths(HINSTANCE instance)
{
    char current[MAX_PATH * 2] = "", module[MAX_PATH * 2] = "", windows[MAX_PATH * 2] = "";
    DWORD got = GetCurrentDirectoryA(sizeof current, current);
    if (got == 0 || got >= sizeof current)
        current[0] = '\0';
    got = GetModuleFileNameA(instance, module, sizeof module);
    if (got >= sizeof module)
        module[sizeof module - 1] = '\0';
    got = GetWindowsDirectoryA(windows, sizeof windows);
    if (got == 0 || got >= sizeof windows)
        std::strcpy(windows, "C:\\");

    BuildStartupPaths(current, module, windows, &frame.startupPaths);
    if (frame.startupPaths.bCurDirTooLong)
        MessageBoxA(NULL,
                    "起動したフォルダのパスが長すぎるため、作業用ディレクトリを使えません。\r\n設定は保存されません。",
                    "警告", MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);

    OfferWorkDir();
    NumberInstance();
    return TRUE;
}

/*
 * CreateMainWindow: creates the main window (whose creation builds the
 * whole window tree), slides it in and shows it.
 */
BOOL CreateMainWindow(HINSTANCE instance, int showCode)
{
    frame.hInst = instance;
    InitWorkPaths(instance);
    // Every command finds its one handler from here on (also those that the
    // window's creation sends).
    int nClashes = BuildCommandLookup(NULL);
    SORA_ASSERT(nClashes == 0);
    SetBusyPretranslate(Pretranslate);
    HWND hwnd = CreateWindowExA(0, MAIN_WINDOW_CLASS, MAIN_WINDOW_TITLE, WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 750, 500, NULL, NULL, instance, NULL);
    if (!hwnd)
        return FALSE;
    AnimateWindow(hwnd, 150, AW_SLIDE | AW_HOR_POSITIVE | AW_ACTIVATE);
    ShowWindow(hwnd, showCode);
    PaintFirstTime(hwnd);
    SetFocus(hwnd);
    StartRecovery(hwnd);
    return TRUE;
}
