// Any bytes handed to quillet-reg import must be checked without a crash, a
// hang or a read past the end; a file found bad asks for no change at all.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tools/quillet-reg/RegFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string problem;
    const size_t changes = CheckRegFile(std::string(reinterpret_cast<const char*>(data), size), problem);
    if (!problem.empty() && changes != 0)
        std::abort();
    return 0;
}
