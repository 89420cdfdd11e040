// Off-screen painting: drawing into a CMemDC goes to a bitmap the size of the
// target's clip box, copied to the target in one piece when it is destroyed.
#pragma once
#include "platform/gdi.h"

#include <memory>

class CMemDC : public CDC {
public:
    explicit CMemDC(CDC* target);
    ~CMemDC() override;

private:
    std::unique_ptr<CDC> m_pDC;  // owns the wrapper, borrows the target's context
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
    CRect m_rect;
};
