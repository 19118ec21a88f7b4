#include <gtest/gtest.h>

#include "display/segment_path.h"
#include "display/value_array.h"

namespace {

// Counts live instances, so destruction of elements can be checked.
struct Tracked {
    static int live;
    int value = -1;
    Tracked() { ++live; }
    Tracked(const Tracked& other) : value(other.value) { ++live; }
    Tracked& operator=(const Tracked&) = default;
    ~Tracked() { --live; }
};
int Tracked::live = 0;

Tracked Make(int value) {
    Tracked t;
    t.value = value;
    return t;
}

}  // namespace

TEST(ValueArray, AddGrowsByTheStep) {
    ValueArray<int> a;
    EXPECT_EQ(a.Add(7), 0);
    EXPECT_EQ(a.GetCapacity(), 1);  // no storage yet: exactly what is needed
    EXPECT_EQ(a.Add(8), 1);
    EXPECT_EQ(a.GetCapacity(), 5);  // size / 8 is below 4
    for (int i = 0; i < 4; ++i) {
        a.Add(i);
    }
    EXPECT_EQ(a.GetCapacity(), 9);
    EXPECT_EQ(a[0], 7);
    EXPECT_EQ(a[5], 3);

    ValueArray<int> big;
    big.SetSize(8000);
    big.SetSize(8001);
    EXPECT_EQ(big.GetCapacity(), 9000);  // size / 8
    big.SetSize(9000);
    big.SetSize(9001);
    EXPECT_EQ(big.GetCapacity(), 10024);  // at most 1024
    big.SetSize(20000);
    EXPECT_EQ(big.GetCapacity(), 20000);  // the step is less than needed

    ValueArray<int> stepped;
    stepped.SetSize(1, 10);
    stepped.SetSize(2, -1);
    EXPECT_EQ(stepped.GetCapacity(), 11);
    EXPECT_EQ(stepped.GetGrowBy(), 10);
}

TEST(ValueArray, SetSizeShrinksGrowsAndReleases) {
    {
        ValueArray<Tracked> a;
        for (int i = 0; i < 6; ++i) {
            a.Add(Make(i));
        }
        const int capacity = a.GetCapacity();
        EXPECT_EQ(Tracked::live, 6);
        a.SetSize(2);
        EXPECT_EQ(Tracked::live, 2);
        EXPECT_EQ(a.GetCapacity(), capacity);
        a.SetSize(4);
        EXPECT_EQ(a[1].value, 1);
        EXPECT_EQ(a[2].value, -1);  // default-constructed, not the old element
        EXPECT_EQ(a.GetCapacity(), capacity);
        a.SetSize(0, 3);
        EXPECT_EQ(Tracked::live, 0);
        EXPECT_EQ(a.GetCapacity(), 0);
        a.SetSize(0, -1);
        EXPECT_EQ(a.GetGrowBy(), 3);
        a.Add(Make(1));
    }
    EXPECT_EQ(Tracked::live, 0);
}

TEST(ValueArray, AddOfOwnElementWhileGrowing) {
    ValueArray<CSegmentPath> a;
    const DesignPoint p[] = {{1, 2}, {3, 4}};
    const unsigned char t[] = {6, 2};
    CSegmentPath path;
    path.Assign(p, t, 2);
    a.Add(path);
    ASSERT_EQ(a.GetCapacity(), 1);
    a.Add(a[0]);  // the source moves when the array grows
    EXPECT_EQ(a[1].GetCount(), 2);
    EXPECT_EQ(a[1].GetPoints()[1].y, 4);
}

TEST(ValueArray, CopiesAreDeep) {
    ValueArray<CSegmentPath> a;
    a.SetSize(0, 2);
    const DesignPoint p[] = {{1, 2}, {3, 4}};
    const unsigned char t[] = {6, 2};
    for (int i = 0; i < 3; ++i) {
        a.Add(CSegmentPath());
        a[i].Assign(p, t, i);
    }
    ValueArray<CSegmentPath> copy(a);
    EXPECT_EQ(copy.GetSize(), 3);
    EXPECT_EQ(copy.GetCapacity(), 3);
    EXPECT_EQ(copy.GetGrowBy(), 2);
    EXPECT_NE(copy[2].GetPoints(), a[2].GetPoints());
    a[2].Assign(p, t, 1);
    EXPECT_EQ(copy[2].GetCount(), 2);

    ValueArray<CSegmentPath> target;
    target.SetSize(5, 7);
    target = a;  // resized to the source's length, keeping its own grow-by
    EXPECT_EQ(target.GetSize(), 3);
    EXPECT_EQ(target.GetGrowBy(), 7);
    EXPECT_EQ(target[1].GetCount(), 1);
    EXPECT_NE(target[1].GetPoints(), a[1].GetPoints());
    ValueArray<CSegmentPath>& self = target;
    target = self;
    EXPECT_EQ(target[2].GetCount(), 1);
}
