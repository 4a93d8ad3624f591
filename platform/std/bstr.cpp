#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/oleauto.h"
#include "platform/text.h"

// The byte length sits just before the characters, the terminator after them.
BSTR SysAllocStringLen(const OLECHAR* strIn, UINT ui)
{
    auto* block = static_cast<std::uint32_t*>(std::malloc(sizeof(std::uint32_t) + (size_t(ui) + 1) * sizeof(OLECHAR)));
    if (!block)
        return nullptr;
    *block = std::uint32_t(ui * sizeof(OLECHAR));
    auto* text = reinterpret_cast<BSTR>(block + 1);
    if (strIn)
        std::copy_n(strIn, ui, text);
    else
        std::fill_n(text, ui, OLECHAR(0));
    text[ui] = 0;
    return text;
}

BSTR SysAllocString(LPCOLESTR psz)
{
    return psz ? SysAllocStringLen(psz, UINT(WideLength(psz))) : nullptr;
}

UINT SysStringLen(BSTR pbstr)
{
    return pbstr ? reinterpret_cast<std::uint32_t*>(pbstr)[-1] / sizeof(OLECHAR) : 0;
}

void SysFreeString(BSTR bstrString)
{
    if (bstrString)
        std::free(reinterpret_cast<std::uint32_t*>(bstrString) - 1);
}
