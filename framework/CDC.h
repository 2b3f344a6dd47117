#pragma once
// A device context and the drawing calls the module makes on it.
#include "CGdiObject.h"
#include "CPen.h"

#include <memory>
#include <vector>

class CDC : public CObject
{
    DECLARE_DYNAMIC(CDC)
public:
    CDC() = default;
    // Deletes a device context that is still attached; detach one that belongs to someone else.
    ~CDC() override;

    HDC m_hDC = nullptr;

    HDC GetSafeHdc() const { return m_hDC; }
    BOOL Attach(HDC hDC);
    HDC Detach();

    // Fills the rectangle with one colour; leaves that colour as the background colour.
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT lpRect);
    COLORREF GetBkColor() const;
    COLORREF SetBkColor(COLORREF crColor);

    // Select returns the object it replaced, wrapped for selecting back; the wrapper lives as long
    // as this device context and never deletes what it wraps.
    CPen* SelectObject(CPen* pPen);
    CGdiObject* SelectObject(CGdiObject* pObject);
    CGdiObject* SelectStockObject(int nIndex);

private:
    template <class T> T* WrapSelected(HGDIOBJ hReplaced);

    std::vector<std::unique_ptr<CGdiObject>> m_replaced;
};
