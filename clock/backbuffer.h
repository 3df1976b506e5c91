// The off-screen picture of the clock face, copied to the window at each paint.
#pragma once

#include "platform/afx/afxgdi.h"

class CBackBuffer {
public:
    CBackBuffer() = default;
    CBackBuffer(const CBackBuffer&) = delete;
    CBackBuffer& operator=(const CBackBuffer&) = delete;
    virtual ~CBackBuffer();

    // Records the rectangle and, once a paint has happened, builds a new white
    // buffer of its size, compatible with the given context. TRUE when it
    // built one: what was drawn into the old buffer is gone.
    BOOL Create(const CRect& rect, CDC* pDC);
    void SetTargetDC(CDC* pDC) { m_pTargetDC = pDC; }
    CDC* GetMemDC() const { return m_pMemDC; }
    const CRect& GetRect() const { return m_rect; }
    // Copies the whole buffer to the paint's context.
    void Blit();

private:
    CDC* m_pMemDC = nullptr;     // owned
    CDC* m_pTargetDC = nullptr;  // the paint's; also records that a paint happened
    CBitmap* m_pBitmap = nullptr;  // owned, selected into m_pMemDC
    CRect m_rect;
};
