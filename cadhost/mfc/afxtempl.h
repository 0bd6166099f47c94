// MFC's growable array template, as far as the dialogs and the plug-in use it. Indexes are INT_PTR as in
// MFC; an index out of range throws std::out_of_range instead of corrupting memory.
#pragma once

#include "windef.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&> class CArray {
public:
    CArray() = default;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_items.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_items.empty(); }
    void SetSize(INT_PTR newSize) { m_items.resize(position(std::max<INT_PTR>(newSize, 0))); }

    const TYPE& GetAt(INT_PTR index) const { return m_items.at(checked(index)); }
    TYPE& GetAt(INT_PTR index) { return m_items.at(checked(index)); }
    void SetAt(INT_PTR index, ARG_TYPE value) { m_items.at(checked(index)) = value; }
    TYPE& ElementAt(INT_PTR index) { return m_items.at(checked(index)); }
    const TYPE& ElementAt(INT_PTR index) const { return m_items.at(checked(index)); }
    TYPE& operator[](INT_PTR index) { return ElementAt(index); }
    const TYPE& operator[](INT_PTR index) const { return ElementAt(index); }
    TYPE* GetData() { return m_items.data(); }
    const TYPE* GetData() const { return m_items.data(); }

    INT_PTR Add(ARG_TYPE value)
    {
        m_items.push_back(value);
        return GetUpperBound();
    }
    // Grows the array when the index lies beyond its end, as MFC does.
    void SetAtGrow(INT_PTR index, ARG_TYPE value)
    {
        if (index >= GetSize())
            SetSize(index + 1);
        SetAt(index, value);
    }
    INT_PTR Append(const CArray& other)
    {
        const INT_PTR first = GetSize();
        m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
        return first;
    }
    void Copy(const CArray& other) { m_items = other.m_items; }
    void InsertAt(INT_PTR index, ARG_TYPE value, INT_PTR count = 1)
    {
        if (index < 0)
            throw std::out_of_range("CArray::InsertAt before the start");
        if (index > GetSize())
            SetSize(index);
        m_items.insert(m_items.begin() + index, position(std::max<INT_PTR>(count, 0)), value);
    }
    void RemoveAt(INT_PTR index, INT_PTR count = 1)
    {
        checked(index);
        if (count < 0 || index + count > GetSize())
            throw std::out_of_range("CArray::RemoveAt beyond the end");
        m_items.erase(m_items.begin() + index, m_items.begin() + index + count);
    }
    void RemoveAll() { m_items.clear(); }

    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    static std::size_t position(INT_PTR index) { return static_cast<std::size_t>(index); }
    std::size_t checked(INT_PTR index) const
    {
        if (index < 0 || index >= GetSize())
            throw std::out_of_range("CArray index out of range");
        return position(index);
    }

    std::vector<TYPE> m_items;
};
