#include "display/OffscreenDC.h"

COffscreenDC::COffscreenDC(CDC* target, const RECT* area) : m_target(target), m_offscreen(!target->IsPrinting()) {
    if (area != nullptr)
        m_area = *area;
    else
        target->GetClipBox(&m_area);

    if (m_offscreen) {
        CreateCompatibleDC(target);
        target->LPtoDP(&m_area);
        m_surfaceBitmap.CreateCompatibleBitmap(target, m_area.Width(), m_area.Height());
        m_priorBitmap = SelectObject(&m_surfaceBitmap);
        SetMapMode(target->GetMapMode());
        DPtoLP(&m_area);
        SetWindowOrg(m_area.left, m_area.top);
    } else {
        m_bPrinting = target->m_bPrinting;
        m_hDC = target->m_hDC;
        m_hAttribDC = target->m_hAttribDC;
    }
}

COffscreenDC::~COffscreenDC() {
    if (m_offscreen) {
        m_target->BitBlt(m_area.left, m_area.top, m_area.Width(), m_area.Height(), this, m_area.left, m_area.top,
                         SRCCOPY);
        SelectObject(m_priorBitmap);
        m_surfaceBitmap.DeleteObject();
        DeleteDC();
    } else {
        // The contexts belong to the target.
        m_hDC = m_hAttribDC = nullptr;
    }
}
