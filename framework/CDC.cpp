#include "CDC.h"

IMPLEMENT_DYNAMIC(CDC, CObject)

CDC::~CDC()
{
    RestoreSelections();
    for (CPen& wrapper : m_replacedPens)
        wrapper.Detach();
    for (CGdiObject& wrapper : m_replacedObjects)
        wrapper.Detach();
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
    for (HGDIOBJ& original : m_original)
        original = nullptr;
    return hDC;
}

void CDC::RestoreSelections()
{
    for (HGDIOBJ& original : m_original) {
        if (original && m_hDC)
            ::SelectObject(m_hDC, original);
        original = nullptr;
    }
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

COLORREF CDC::GetBkColor() const
{
    return ::GetBkColor(m_hDC);
}

int CDC::KindOf(HGDIOBJ hObject)
{
    switch (::GetObjectType(hObject)) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        return KindPen;
    case OBJ_BRUSH:
        return KindBrush;
    case OBJ_FONT:
        return KindFont;
    case OBJ_BITMAP:
        return KindBitmap;
    default:
        return -1;
    }
}

HGDIOBJ CDC::Select(HGDIOBJ hObject)
{
    const int kind = KindOf(hObject);
    HGDIOBJ hReplaced = ::SelectObject(m_hDC, hObject);
    if (kind < 0 || !hReplaced || hReplaced == HGDI_ERROR)
        return nullptr;
    if (!m_original[kind])
        m_original[kind] = hReplaced;
    return hReplaced;
}

template <class T> T* CDC::Wrap(T (&wrappers)[WrapperCount], int& next, HGDIOBJ hReplaced)
{
    if (!hReplaced)
        return nullptr;
    for (T& wrapper : wrappers) {
        if (wrapper.m_hObject == hReplaced)
            return &wrapper;
    }
    T& wrapper = wrappers[next];
    next = (next + 1) % WrapperCount;
    wrapper.Detach();
    wrapper.Attach(hReplaced);
    return &wrapper;
}

CPen* CDC::SelectObject(CPen* pPen)
{
    if (!pPen)
        return nullptr;
    return Wrap(m_replacedPens, m_nextPen, Select(pPen->m_hObject));
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    if (!pObject)
        return nullptr;
    return Wrap(m_replacedObjects, m_nextObject, Select(pObject->m_hObject));
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    HGDIOBJ hStock = ::GetStockObject(nIndex);
    if (!hStock)
        return nullptr;
    return Wrap(m_replacedObjects, m_nextObject, Select(hStock));
}
