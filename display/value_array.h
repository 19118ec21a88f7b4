#pragma once

#include <algorithm>
#include <utility>
#include <vector>

// An ordered growable array of values. Capacity grows in steps: by the grow-by when it is set, otherwise by
// an eighth of the size (at least 4, at most 1024), so appending one element at a time reallocates rarely.
// Copies are deep: every element is copied with its own copy semantics.
template <typename T>
class ValueArray {
public:
    ValueArray() = default;

    // The copy has the source's grow-by and exactly as many slots as elements.
    ValueArray(const ValueArray& other) : m_growBy(other.m_growBy) {
        m_items.reserve(other.m_items.size());
        for (const T& item : other.m_items) {
            m_items.push_back(T(item));
        }
    }

    ValueArray(ValueArray&& other) noexcept
        : m_items(std::move(other.m_items)), m_growBy(std::exchange(other.m_growBy, 0)) {}

    // Resizes this array to the source's length by the growth rule (keeping this grow-by) and copies
    // every element over the existing one.
    ValueArray& operator=(const ValueArray& other) {
        if (this != &other) {
            SetSize(other.GetSize(), -1);
            for (int i = 0; i < other.GetSize(); ++i) {
                (*this)[i] = other[i];
            }
        }
        return *this;
    }

    ValueArray& operator=(ValueArray&& other) noexcept {
        if (this != &other) {
            m_items = std::move(other.m_items);
            m_growBy = std::exchange(other.m_growBy, 0);
        }
        return *this;
    }

    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCapacity() const { return static_cast<int>(m_items.capacity()); }
    int GetGrowBy() const { return m_growBy; }

    T& operator[](int index) { return m_items[static_cast<std::size_t>(index)]; }
    const T& operator[](int index) const { return m_items[static_cast<std::size_t>(index)]; }

    const T* begin() const { return m_items.data(); }
    const T* end() const { return m_items.data() + m_items.size(); }

    // Appends a copy of value and returns its index.
    int Add(const T& value) {
        T copy(value);  // value may be an element of this array, which growing would move
        const int index = GetSize();
        SetSize(index + 1, -1);
        m_items[static_cast<std::size_t>(index)] = std::move(copy);
        return index;
    }

    // growBy -1 keeps the grow-by. Size 0 (or less) destroys every element and releases the storage;
    // shrinking keeps the capacity; new elements are default-constructed.
    void SetSize(int size, int growBy = -1) {
        if (growBy != -1) {
            m_growBy = growBy;
        }
        if (size <= 0) {
            std::vector<T>().swap(m_items);
            return;
        }
        const int capacity = GetCapacity();
        if (size > capacity) {
            int newCapacity = size;
            if (capacity > 0) {
                int step = m_growBy;
                if (step == 0) {
                    step = std::clamp(GetSize() / 8, 4, 1024);
                }
                newCapacity = std::max(size, capacity + step);
            }
            m_items.reserve(static_cast<std::size_t>(newCapacity));
        }
        m_items.resize(static_cast<std::size_t>(size));
    }

private:
    std::vector<T> m_items;
    int m_growBy = 0;
};
