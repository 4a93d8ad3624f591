// Between the platform's portable error texts and its Linux side. Not for
// the program.
#pragma once

#include <string>

#include "platform/error.h"

// The platform code for an errno: its equivalent where there is one, else
// the errno with APPLICATION_ERROR_MASK set.
DWORD ErrorFromErrno(int errnum);
void SetLastErrorFromErrno(int errnum);
// The C library's text for an errno, as UTF-16.
std::u16string ErrnoText(int errnum);
