/* fopen by a UTF-8 name on Windows (see utf8-fopen.h). A name that is not
   UTF-8 is refused (EINVAL) rather than opened as some other file. */
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

#undef fopen

FILE* vorlan_utf8_fopen(const char* name, const char* mode) {
    wchar_t wide_mode[16];
    int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, name, -1, NULL, 0);
    if (length <= 0 ||
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, mode, -1, wide_mode, 16) <= 0) {
        errno = EINVAL;
        return NULL;
    }
    wchar_t* wide_name = malloc(sizeof(wchar_t) * (size_t)length);
    if (wide_name == NULL) {
        errno = ENOMEM;
        return NULL;
    }
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, name, -1, wide_name, length);
    FILE* file = _wfopen(wide_name, wide_mode);
    free(wide_name);
    return file;
}
