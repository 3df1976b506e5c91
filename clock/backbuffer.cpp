#include "clock/backbuffer.h"

CBackBuffer::~CBackBuffer()
{
    // The context goes first, so the bitmap is no longer selected when it goes.
    delete m_pMemDC;
    delete m_pBitmap;
}

BOOL CBackBuffer::Create(const CRect& rect, CDC* pDC)
{
    m_rect = rect;
    if (!m_pTargetDC)
        return FALSE;  // nothing is built before the first paint
    delete m_pMemDC;
    m_pMemDC = nullptr;
    delete m_pBitmap;
    m_pBitmap = nullptr;

    m_pMemDC = new CDC;
    m_pMemDC->CreateCompatibleDC(pDC);
    m_pBitmap = new CBitmap;
    m_pBitmap->CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height());
    m_pMemDC->SelectObject(m_pBitmap);
    m_pMemDC->FillSolidRect(m_rect, RGB(255, 255, 255));
    return TRUE;
}

void CBackBuffer::Blit()
{
    if (m_pTargetDC && m_pMemDC)
        m_pTargetDC->BitBlt(0, 0, m_rect.Width(), m_rect.Height(), m_pMemDC, 0, 0, SRCCOPY);
}
