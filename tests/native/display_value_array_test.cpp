#include <gtest/gtest.h>

#include "display/value_array.h"

TEST(ValueArray, CapacityGrowsByTheStep) {
    const struct {
        const char* name;
        int size, growBy, newSize, capacity;
    } rows[] = {
        {"no storage yet: exactly what is needed", 0, 0, 3, 3},
        {"an eighth of the size, at least 4", 1, 0, 2, 5},
        {"an eighth of the size", 8000, 0, 8001, 9000},
        {"an eighth of the size, at most 1024", 9000, 0, 9001, 10024},
        {"never less than needed", 9000, 0, 20000, 20000},
        {"the grow-by when one is set", 1, 10, 2, 11},
    };
    for (const auto& row : rows) {
        ValueArray<int> a;
        a.SetSize(row.size, row.growBy);
        a.SetSize(row.newSize);
        EXPECT_EQ(a.GetCapacity(), row.capacity) << row.name;
    }
}

TEST(ValueArray, SizesCopiesAndOwnElements) {
    ValueArray<int> a;
    a.Add(7);
    a.Add(a[0]);  // the source moves while the array grows
    for (int i = 0; i < 4; ++i)
        a.Add(10 + i);
    EXPECT_EQ(a[1], 7);
    const int capacity = a.GetCapacity();
    a.SetSize(2);
    a.SetSize(4);
    EXPECT_EQ(a.GetCapacity(), capacity) << "shrinking keeps the storage";
    EXPECT_EQ(a[2], 0) << "new elements are default-constructed";

    a.SetSize(3, 2);
    ValueArray<int> copy(a);
    EXPECT_EQ(copy.GetCapacity(), 3) << "a copy has as many slots as elements";
    EXPECT_EQ(copy.GetGrowBy(), 2);
    ValueArray<int> target;
    target.SetSize(5, 7);
    target = a;
    EXPECT_EQ(target.GetSize(), 3);
    EXPECT_EQ(target.GetGrowBy(), 7) << "assignment keeps the target's grow-by";

    a.SetSize(0, -1);
    EXPECT_EQ(a.GetCapacity(), 0) << "size 0 releases the storage";
    EXPECT_EQ(a.GetGrowBy(), 2);
}
