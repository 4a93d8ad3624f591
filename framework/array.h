// The framework's growable arrays.
#pragma once

#include <utility>
#include <vector>

#include "framework/string.h"
#include "platform/types.h"

template <typename TYPE> class CArray {
public:
    int GetSize() const { return int(m_items.size()); }
    void SetSize(int nNewSize) { m_items.resize(size_t(nNewSize > 0 ? nNewSize : 0)); }
    void RemoveAll() { m_items.clear(); }
    int Add(TYPE item)
    {
        m_items.push_back(std::move(item));
        return GetSize() - 1;
    }
    TYPE GetAt(int nIndex) const { return m_items.at(size_t(nIndex)); }
    TYPE operator[](int nIndex) const { return GetAt(nIndex); }
    void Append(const CArray& other) { m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end()); }
    // The elements in order, GetSize() of them.
    TYPE* GetData() { return m_items.data(); }

private:
    std::vector<TYPE> m_items;
};

using CDWordArray = CArray<DWORD>;
// The framework's string list: names gathered, appended to and emptied.
using CStringArray = CArray<CString>;
