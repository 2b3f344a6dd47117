#include "CDC.h"

IMPLEMENT_DYNAMIC(CDC, CObject)

CDC::~CDC()
{
    for (auto& wrapper : m_replaced)
        wrapper->Detach();
    if (m_hDC)
        ::DeleteDC(Detach());
}

BOOL CDC::Attach(HDC hDC)
{
    if (!hDC || m_hDC)
        return FALSE;
    m_hDC = hDC;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    m_hDC = nullptr;
    return hDC;
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    return ::Rectangle(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Rectangle(LPCRECT lpRect)
{
    return ::Rectangle(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

COLORREF CDC::GetBkColor() const
{
    return ::GetBkColor(m_hDC);
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return ::SetBkColor(m_hDC, crColor);
}

template <class T> T* CDC::WrapSelected(HGDIOBJ hReplaced)
{
    if (!hReplaced)
        return nullptr;
    auto wrapper = std::make_unique<T>();
    wrapper->Attach(hReplaced);
    T* result = wrapper.get();
    m_replaced.push_back(std::move(wrapper));
    return result;
}

CPen* CDC::SelectObject(CPen* pPen)
{
    if (!pPen)
        return nullptr;
    return WrapSelected<CPen>(::SelectObject(m_hDC, pPen->m_hObject));
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    if (!pObject)
        return nullptr;
    return WrapSelected<CGdiObject>(::SelectObject(m_hDC, pObject->m_hObject));
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    HGDIOBJ hStock = ::GetStockObject(nIndex);
    if (!hStock)
        return nullptr;
    return WrapSelected<CGdiObject>(::SelectObject(m_hDC, hStock));
}
