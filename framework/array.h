// The framework's growable arrays.
#pragma once

#include <vector>

#include "platform/types.h"

template <typename TYPE> class CArray {
public:
    int GetSize() const { return int(m_items.size()); }
    void SetSize(int nNewSize) { m_items.resize(size_t(nNewSize > 0 ? nNewSize : 0)); }
    void RemoveAll() { m_items.clear(); }
    int Add(TYPE item)
    {
        m_items.push_back(item);
        return GetSize() - 1;
    }
    TYPE GetAt(int nIndex) const { return m_items.at(size_t(nIndex)); }
    TYPE operator[](int nIndex) const { return GetAt(nIndex); }

private:
    std::vector<TYPE> m_items;
};

using CDWordArray = CArray<DWORD>;
