#include "ui/controls/mem_dc.h"

CMemDC::CMemDC(CDC* target) : m_pDC(std::make_unique<CDC>())
{
    m_pDC->Attach(target->GetSafeHdc());
    m_pDC->GetClipBox(&m_rect);
    CreateCompatibleDC(m_pDC.get());
    m_pDC->LPtoDP(&m_rect);
    m_bitmap.CreateCompatibleBitmap(m_pDC.get(), m_rect.Width(), m_rect.Height());
    m_pOldBitmap = SelectObject(&m_bitmap);
    m_pDC->DPtoLP(&m_rect);
    SetWindowOrg(m_rect.left, m_rect.top);
    FillSolidRect(&m_rect, m_pDC->GetBkColor());
}

CMemDC::~CMemDC()
{
    m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top, SRCCOPY);
    SelectObject(m_pOldBitmap);
    m_pDC->Detach();
}
