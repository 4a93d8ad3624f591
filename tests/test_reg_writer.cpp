// Helper for the crash and concurrency tests:
//   test_reg_writer PREFIX FIRST COUNT
// writes, for i = FIRST .. FIRST+COUNT-1, the values PREFIX"S", PREFIX"B",
// PREFIX"D" (= i) and the shared "Last" under kWriterKey, each as its own
// call, then prints i. Exits 1 at the first call that fails.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/LuRegistry.h"
#include "test_reg_writer.h"

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    std::u16string prefix;
    for (const char* c = argv[1]; *c; ++c)
        prefix += char16_t(*c);
    DWORD first = DWORD(std::strtoul(argv[2], nullptr, 10));
    DWORD count = DWORD(std::strtoul(argv[3], nullptr, 10));
    for (DWORD i = first; i < first + count; ++i) {
        CLuRegistry registry(HKEY_LOCAL_MACHINE, kWriterKey, TRUE);
        std::u16string text = WriterText(i);
        std::vector<BYTE> bytes = WriterBytes(i);
        bool ok = registry.m_hKey && registry.WriteString((prefix + u"S").c_str(), text.c_str()) &&
            registry.WriteBinary((prefix + u"B").c_str(), bytes.data(), DWORD(bytes.size())) &&
            registry.WriteDword((prefix + u"D").c_str(), i) && registry.WriteDword(u"Last", i);
        if (!ok) {
            std::fprintf(stderr, "test_reg_writer: write %u failed\n", unsigned(i));
            return 1;
        }
        std::printf("%u\n", unsigned(i));
        std::fflush(stdout);
    }
    return 0;
}
