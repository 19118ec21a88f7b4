// The GDI wrappers own their handles: every handle is gone when its wrapper is.
#include <gtest/gtest.h>

#include <utility>

#include "framework/AfxWin.h"

namespace {

bool Alive(HGDIOBJ object) {
    return ::GetObjectType(object) != 0;
}

}  // namespace

TEST(GdiWrappers, PensBrushesBitmapsAndRegionsAreDeletedWithTheirWrapper) {
    HGDIOBJ pen, brush, bitmap, region;
    CDC screen;
    screen.Attach(::GetDC(nullptr));
    {
        CPen p(PS_SOLID, 1, RGB(1, 2, 3));
        CBrush b(RGB(4, 5, 6));
        CBitmap m;
        ASSERT_TRUE(m.CreateCompatibleBitmap(&screen, 8, 8));
        CRgn r;
        ASSERT_TRUE(r.CreateRectRgn(0, 0, 4, 4));
        pen = p.m_hObject;
        brush = b.m_hObject;
        bitmap = m.m_hObject;
        region = r.m_hObject;
        EXPECT_TRUE(Alive(pen) && Alive(brush) && Alive(bitmap) && Alive(region));
    }
    EXPECT_FALSE(Alive(pen));
    EXPECT_FALSE(Alive(brush));
    EXPECT_FALSE(Alive(bitmap));
    EXPECT_FALSE(Alive(region));
    ::ReleaseDC(nullptr, screen.Detach());
}

TEST(GdiWrappers, MovingAndDetachingTransferOwnership) {
    CBrush a(RGB(1, 1, 1));
    HGDIOBJ handle = a.m_hObject;
    CBrush b(std::move(a));
    EXPECT_EQ(a.m_hObject, nullptr);
    EXPECT_EQ(b.m_hObject, handle);

    CRgn region;
    region.CreateRectRgn(0, 0, 2, 2);
    HGDIOBJ detached = region.Detach();
    region.DeleteObject();
    EXPECT_TRUE(Alive(detached)) << "a detached handle belongs to the caller";
    ::DeleteObject(detached);

    CPen replaced(PS_SOLID, 1, 0);
    HGDIOBJ first = replaced.m_hObject;
    replaced.CreatePen(PS_SOLID, 2, 0);
    EXPECT_FALSE(Alive(first)) << "creating again releases the old handle";
}

TEST(GdiWrappers, RegionsCombineByUnion) {
    CRgn a, b;
    a.CreateRectRgn(0, 0, 10, 10);
    b.CreateRectRgn(20, 0, 30, 10);
    EXPECT_EQ(a.CombineRgn(&a, &b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(::PtInRegion(a, 25, 5));
    EXPECT_FALSE(::PtInRegion(a, 15, 5));
}

TEST(DeviceContexts, CreatedContextIsDeletedAndBorrowedOneIsNot) {
    HDC screen = ::GetDC(nullptr);
    HDC memory;
    {
        CDC target;
        target.Attach(screen);
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(&target));
        memory = dc.m_hDC;
        EXPECT_EQ(dc.m_hAttribDC, memory);
    }
    EXPECT_EQ(::GetObjectType(memory), 0u);
    EXPECT_NE(::GetObjectType(screen), 0u) << "a borrowed context stays with its owner";
    ::ReleaseDC(nullptr, screen);
}

TEST(DeviceContexts, ScopedSelectPutsTheOldObjectBack) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ original = ::GetCurrentObject(dc.m_hDC, OBJ_BRUSH);
    {
        CBrush brush(RGB(9, 9, 9));
        ScopedSelect select(dc, brush);
        EXPECT_EQ(::GetCurrentObject(dc.m_hDC, OBJ_BRUSH), brush.m_hObject);
    }
    EXPECT_EQ(::GetCurrentObject(dc.m_hDC, OBJ_BRUSH), original);
}

TEST(DeviceContexts, FillSolidRectPaintsThePixels) {
    CDC screen;
    screen.Attach(::GetDC(nullptr));
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, 4, 4);
    ScopedSelect select(dc, bitmap);
    RECT all{0, 0, 4, 4};
    dc.FillSolidRect(&all, RGB(0, 255, 0));
    EXPECT_EQ(::GetPixel(dc.m_hDC, 2, 2), RGB(0, 255, 0));
    ::ReleaseDC(nullptr, screen.Detach());
}
