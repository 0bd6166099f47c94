// The host's growable array template, as far as the host API and the plug-in use it.
#pragma once

#include "adesk.h"

#include <algorithm>
#include <vector>

template <class T> class AcArray {
public:
    AcArray() = default;
    explicit AcArray(int physicalLength, int growLength = 8) : m_growLength(growLength)
    {
        m_items.reserve(static_cast<std::size_t>(std::max(physicalLength, 0)));
    }

    T& operator[](int index) { return m_items[static_cast<std::size_t>(index)]; }
    const T& operator[](int index) const { return m_items[static_cast<std::size_t>(index)]; }
    T& at(int index) { return m_items.at(static_cast<std::size_t>(index)); }
    const T& at(int index) const { return m_items.at(static_cast<std::size_t>(index)); }
    T& first() { return m_items.front(); }
    const T& first() const { return m_items.front(); }
    T& last() { return m_items.back(); }
    const T& last() const { return m_items.back(); }

    int append(const T& value)
    {
        m_items.push_back(value);
        return length() - 1;
    }
    AcArray& append(const AcArray& other)
    {
        m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
        return *this;
    }
    AcArray& insertAt(int index, const T& value)
    {
        m_items.insert(m_items.begin() + index, value);
        return *this;
    }
    AcArray& removeAt(int index)
    {
        m_items.erase(m_items.begin() + index);
        return *this;
    }
    bool remove(const T& value)
    {
        auto found = std::find(m_items.begin(), m_items.end(), value);
        if (found == m_items.end())
            return false;
        m_items.erase(found);
        return true;
    }
    AcArray& removeFirst() { return removeAt(0); }
    AcArray& removeLast()
    {
        m_items.pop_back();
        return *this;
    }
    AcArray& removeAll()
    {
        m_items.clear();
        return *this;
    }
    AcArray& setAt(int index, const T& value)
    {
        m_items[static_cast<std::size_t>(index)] = value;
        return *this;
    }
    bool contains(const T& value) const { return find(value) >= 0; }
    int find(const T& value) const
    {
        auto found = std::find(m_items.begin(), m_items.end(), value);
        return found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
    }
    bool find(const T& value, int& index) const
    {
        index = find(value);
        return index >= 0;
    }

    int length() const { return static_cast<int>(m_items.size()); }
    int logicalLength() const { return length(); }
    AcArray& setLogicalLength(int n)
    {
        m_items.resize(static_cast<std::size_t>(std::max(n, 0)));
        return *this;
    }
    int physicalLength() const { return static_cast<int>(m_items.capacity()); }
    AcArray& setPhysicalLength(int n)
    {
        m_items.reserve(static_cast<std::size_t>(std::max(n, 0)));
        return *this;
    }
    int growLength() const { return m_growLength; }
    AcArray& setGrowLength(int n)
    {
        m_growLength = n;
        return *this;
    }
    bool isEmpty() const { return m_items.empty(); }
    AcArray& reverse()
    {
        std::reverse(m_items.begin(), m_items.end());
        return *this;
    }
    T* asArrayPtr() { return m_items.data(); }
    const T* asArrayPtr() const { return m_items.data(); }

    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }
    bool operator==(const AcArray& other) const { return m_items == other.m_items; }

private:
    std::vector<T> m_items;
    int m_growLength = 8;
};
