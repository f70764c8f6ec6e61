/* The end-to-end tests' own probe: looks at Vantelo Plus from inside the
 * Windows desktop it runs in.
 *
 *   probe wait CLASS [SECONDS]      wait until a top-level window of CLASS exists
 *   probe gone CLASS [SECONDS]      wait until none exists any more
 *   probe shown CLASS [SECONDS]     wait until one is visible (a popup menu: #32768)
 *   probe hidden CLASS [SECONDS]    wait until none is visible
 *   probe query-end-session         send WM_QUERYENDSESSION to the tray window,
 *                                   print its answer as "result=N"
 *   probe tray LPARAM               post the icon's callback message with LPARAM
 *   probe hold-clipboard MS         keep the clipboard open for MS milliseconds
 *   probe box TITLE [SECONDS]       wait for a message box titled TITLE, print
 *                                   "text=..." (its text) and "icon=1" if it has one
 *   probe press-ok TITLE            press the OK button of that box
 *   probe rect CLASS                print "left top right bottom" of the visible
 *                                   window of CLASS
 *   probe windows                   print every visible top-level window
 *   probe keep                      hold a hidden window until ended, which keeps
 *                                   the virtual desktop open between tests
 *   probe short PATH                print the short (8.3) form of PATH
 *   probe clip-hex                  print the clipboard's CF_TEXT bytes in hex
 *   probe hold-and-notify MS        keep the clipboard open for MS milliseconds
 *                                   and tell the tray window of a change meanwhile
 *
 * Texts are printed in the system's code page (CP932). Exit code 0 on
 * success, 1 when what was waited for did not come.
 */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static HWND wait_for(const char *cls, const char *title, int seconds, int want, int visible) {
    DWORD end = GetTickCount() + (DWORD)seconds * 1000;
    for (;;) {
        HWND w = FindWindowA(cls, title);
        if (w && visible && !IsWindowVisible(w)) w = NULL;
        if ((w != NULL) == want) return w ? w : (HWND)1;
        if ((int)(GetTickCount() - end) > 0) return NULL;
        Sleep(100);
    }
}

struct find_box {
    const char *title;
    HWND found;
};

static BOOL CALLBACK match_box(HWND w, LPARAM param) {
    struct find_box *f = (struct find_box *)param;
    char cls[64], text[512];
    if (!IsWindowVisible(w)) return TRUE;
    GetClassNameA(w, cls, sizeof cls);
    GetWindowTextA(w, text, sizeof text);
    if (!strcmp(cls, "#32770") && !strcmp(text, f->title)) {
        f->found = w;
        return FALSE;
    }
    return TRUE;
}

/* A visible dialog box (a message box) with this title. */
static HWND wait_for_box(const char *title, int seconds) {
    DWORD end = GetTickCount() + (DWORD)seconds * 1000;
    for (;;) {
        struct find_box f = {title, NULL};
        EnumWindows(match_box, (LPARAM)&f);
        if (f.found) return f.found;
        if ((int)(GetTickCount() - end) > 0) return NULL;
        Sleep(100);
    }
}

static BOOL CALLBACK print_static(HWND child, LPARAM unused) {
    char cls[64], text[1024];
    (void)unused;
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0) {
        GetWindowTextA(child, text, sizeof text);
        if (text[0]) printf("text=%s\n", text);
        else if (SendMessageA(child, STM_GETICON, 0, 0)) printf("icon=1\n");
    }
    return TRUE;
}

static BOOL CALLBACK print_window(HWND w, LPARAM unused) {
    char cls[128], text[512];
    (void)unused;
    if (!IsWindowVisible(w)) return TRUE;
    GetClassNameA(w, cls, sizeof cls);
    GetWindowTextA(w, text, sizeof text);
    printf("%s\t%s\n", cls, text);
    return TRUE;
}

int main(int argc, char **argv) {
    const char *cmd = argc > 1 ? argv[1] : "";
    if ((!strcmp(cmd, "wait") || !strcmp(cmd, "gone") || !strcmp(cmd, "shown") || !strcmp(cmd, "hidden")) &&
        argc > 2) {
        int want = !strcmp(cmd, "wait") || !strcmp(cmd, "shown");
        int visible = !strcmp(cmd, "shown") || !strcmp(cmd, "hidden");
        return wait_for(argv[2], NULL, argc > 3 ? atoi(argv[3]) : 20, want, visible) ? 0 : 1;
    }
    if (!strcmp(cmd, "query-end-session")) {
        HWND w = FindWindowA("TFVNL", NULL);
        DWORD_PTR result = 0;
        if (!w) return 1;
        if (!SendMessageTimeoutA(w, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 10000, &result)) return 1;
        printf("result=%lu\n", (unsigned long)result);
        return 0;
    }
    if (!strcmp(cmd, "tray") && argc > 2) {
        HWND w = FindWindowA("TFVNL", NULL);
        if (!w) return 1;
        return PostMessageA(w, WM_USER + 1, 100, (LPARAM)strtol(argv[2], NULL, 0)) ? 0 : 1;
    }
    if (!strcmp(cmd, "hold-clipboard") && argc > 2) {
        if (!OpenClipboard(NULL)) return 1;
        printf("held\n");
        fflush(stdout);
        Sleep((DWORD)atoi(argv[2]));
        CloseClipboard();
        return 0;
    }
    if (!strcmp(cmd, "box") && argc > 2) {
        HWND w = wait_for_box(argv[2], argc > 3 ? atoi(argv[3]) : 20);
        if (!w) return 1;
        EnumChildWindows(w, print_static, 0);
        return 0;
    }
    if (!strcmp(cmd, "press-ok") && argc > 2) {
        HWND w = wait_for_box(argv[2], 5);
        HWND ok;
        if (!w) return 1;
        ok = GetDlgItem(w, IDOK);
        if (!ok) ok = GetDlgItem(w, IDCANCEL);
        if (!ok) return 1;
        PostMessageA(w, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(ok), BN_CLICKED), (LPARAM)ok);
        return 0;
    }
    if (!strcmp(cmd, "short") && argc > 2) {
        char out[MAX_PATH];
        if (!GetShortPathNameA(argv[2], out, sizeof out)) return 1;
        printf("%s\n", out);
        return 0;
    }
    if (!strcmp(cmd, "clip-hex")) {
        HANDLE h;
        const unsigned char *p;
        SIZE_T i, n;
        if (!OpenClipboard(NULL)) return 1;
        h = GetClipboardData(CF_TEXT);
        p = h ? (const unsigned char *)GlobalLock(h) : NULL;
        if (p) {
            n = GlobalSize(h);
            for (i = 0; i < n && p[i]; i++) printf("%02x", p[i]);
            GlobalUnlock(h);
        }
        printf("\n");
        CloseClipboard();
        return 0;
    }
    if (!strcmp(cmd, "hold-and-notify") && argc > 2) {
        HWND w = FindWindowA("TFVNL", NULL);
        if (!w || !OpenClipboard(NULL)) return 1;
        PostMessageA(w, WM_DRAWCLIPBOARD, 0, 0);
        printf("held\n");
        fflush(stdout);
        Sleep((DWORD)atoi(argv[2]));
        CloseClipboard();
        return 0;
    }
    if (!strcmp(cmd, "keep")) {
        MSG m;
        CreateWindowExA(0, "STATIC", "e2e keeper", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
        while (GetMessageA(&m, NULL, 0, 0) > 0) DispatchMessageA(&m);
        return 0;
    }
    if (!strcmp(cmd, "rect") && argc > 2) {
        RECT r;
        HWND w = wait_for(argv[2], NULL, 5, 1, 1);
        if (!w || !GetWindowRect(w, &r)) return 1;
        printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        return 0;
    }
    if (!strcmp(cmd, "windows")) {
        EnumWindows(print_window, 0);
        return 0;
    }
    fprintf(stderr, "usage: probe wait|gone|query-end-session|tray|hold-clipboard|box|press-ok|windows ...\n");
    return 2;
}
