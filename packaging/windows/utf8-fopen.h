/* Included before a C library's own sources when it is built for Windows
   (scripts/build-windows-libs): its fopen takes the file name in UTF-8, as
   the program passes every name, not in the ANSI code page. */
#ifndef VORLAN_UTF8_FOPEN_H
#define VORLAN_UTF8_FOPEN_H
#include <stdio.h>
FILE* vorlan_utf8_fopen(const char* name, const char* mode);
#define fopen vorlan_utf8_fopen
#endif
