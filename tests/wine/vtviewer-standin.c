/* A stand-in for the viewer's VTViewer.EXE: appends its command line and
   working folder, as Windows hands them over, to calls.txt beside itself
   (UTF-8, one line each, CR LF), and ends. */
#include <windows.h>

static void append(HANDLE file, const wchar_t *text) {
    char bytes[4096];
    DWORD written = 0;
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes - 2, NULL, NULL);
    if (size <= 0)
        return;
    bytes[size - 1] = '\r';
    bytes[size] = '\n';
    WriteFile(file, bytes, (DWORD)size + 1, &written, NULL);
}

int main(void) {
    wchar_t log[MAX_PATH], folder[MAX_PATH];
    DWORD length = GetModuleFileNameW(NULL, log, MAX_PATH);
    while (length > 0 && log[length - 1] != L'\\')
        --length;
    lstrcpyW(log + length, L"calls.txt");
    HANDLE file = CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    GetCurrentDirectoryW(MAX_PATH, folder);
    append(file, GetCommandLineW());
    append(file, folder);
    CloseHandle(file);
    return 0;
}
