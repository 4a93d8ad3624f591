// The framework's growable arrays.
#pragma once

#include <cassert>
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
    const TYPE& GetAt(int nIndex) const { return m_items[Checked(nIndex)]; }
    TYPE& GetAt(int nIndex) { return m_items[Checked(nIndex)]; }
    const TYPE& operator[](int nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](int nIndex) { return GetAt(nIndex); }
    void Append(const CArray& other) { m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end()); }
    // The elements in order, GetSize() of them.
    TYPE* GetData() { return m_items.data(); }

private:
    // An index outside the array is the caller's fault, caught by the
    // assertion in checked builds: an exception could not cross the
    // toolkit's event loop.
    size_t Checked(int nIndex) const
    {
        assert(nIndex >= 0 && nIndex < GetSize());
        return size_t(nIndex);
    }

    std::vector<TYPE> m_items;
};

using CDWordArray = CArray<DWORD>;
// The framework's string list: names gathered, appended to and emptied.
using CStringArray = CArray<CString>;
