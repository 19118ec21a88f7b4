// The GDI and device context wrappers own their handles: every handle is gone when its owner is.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "framework/AfxWin.h"

namespace {

bool Alive(HANDLE object) {
    return ::GetObjectType(object) != 0;
}

}  // namespace

TEST(GdiWrappers, HandlesAreDeletedWithTheirOwner) {
    HDC screen = ::GetDC(nullptr);
    std::vector<HANDLE> replaced, owned;
    HGDIOBJ detached;
    {
        CDC borrowed, memory;
        borrowed.Attach(screen);
        ASSERT_TRUE(memory.CreateCompatibleDC(&borrowed));
        EXPECT_EQ(memory.m_hAttribDC, memory.m_hDC);
        CPen pen(PS_SOLID, 1, RGB(1, 2, 3));
        replaced.push_back(pen.m_hObject);
        pen.CreatePen(PS_SOLID, 2, 0);  // creating again releases the old handle
        CBrush brush(RGB(4, 5, 6)), other(RGB(7, 8, 9));
        replaced.push_back(brush.m_hObject);
        brush = std::move(other);  // so does moving another one in
        CBrush taken(std::move(brush));
        EXPECT_EQ(brush.m_hObject, nullptr);
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&borrowed, 8, 8));
        CRgn region, given;
        ASSERT_TRUE(region.CreateRectRgn(0, 0, 4, 4) && given.CreateRectRgn(0, 0, 2, 2));
        detached = given.Detach();  // the caller's now
        owned = {memory.m_hDC, pen.m_hObject, taken.m_hObject, bitmap.m_hObject, region.m_hObject};
        for (HANDLE handle : owned)
            EXPECT_TRUE(Alive(handle));
        for (HANDLE handle : replaced)
            EXPECT_FALSE(Alive(handle));
    }
    for (HANDLE handle : owned)
        EXPECT_FALSE(Alive(handle));
    EXPECT_TRUE(Alive(screen)) << "a borrowed context stays with its owner";
    EXPECT_TRUE(Alive(detached));
    ::DeleteObject(detached);
    ::ReleaseDC(nullptr, screen);
}
