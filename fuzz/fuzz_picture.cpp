// Any bytes as a skin picture: the loader returns a bitmap or null, never
// crashes, and never decodes something too large to hold.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/image.h"
#include "platform/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const int fd = memfd_create("picture", 0);
    static const std::u16string path = Utf8ToUtf16("/proc/self/fd/" + std::to_string(fd));
    if (fd < 0 || ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != ssize_t(size))
        return 0;
    HBITMAP hBitmap = SHLoadDIBitmap(path.c_str());
    BITMAP bm{};
    if (hBitmap && (!GetBitmapSize(hBitmap, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0))
        std::abort();
    DeleteObject(hBitmap);
    return 0;
}
