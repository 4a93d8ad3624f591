// An open file or folder (CreateFileW): its descriptor, shared with the
// listing of an open folder.
#pragma once

#include <unistd.h>

#include "platform/linux/handle.h"

struct FileHandle : KernelObject {
    explicit FileHandle(int fd) : fd(fd) { }
    ~FileHandle() override { ::close(fd); }
    int fd;
};
