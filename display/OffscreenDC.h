#pragma once
// COffscreenDC: a drawing surface over an area of a target context. Drawing goes to a memory bitmap
// in the target's mapping mode and coordinates; destroying the surface copies the picture to the
// target in one step, so the target never shows a half-drawn picture. A printer target is drawn
// on directly.
#include "framework/AfxWin.h"

class COffscreenDC : public CDC {
public:
    COffscreenDC(CDC* target, const RECT* area = nullptr);
    ~COffscreenDC() override;

private:
    CBitmap m_surfaceBitmap;
    HGDIOBJ m_priorBitmap = nullptr;  // the bitmap the memory context had before ours
    CDC* m_target;
    CRect m_area;  // in the target's logical units
    BOOL m_offscreen;
};
