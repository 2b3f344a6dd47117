#pragma once
// A device context and the drawing calls the module makes on it.
#include "CGdiObject.h"
#include "CPen.h"

class CDC : public CObject
{
    DECLARE_DYNAMIC(CDC)
public:
    CDC() = default;
    // Selects back what the device context held before this object selected into it, then deletes
    // a device context that is still attached; detach one that belongs to someone else.
    ~CDC() override;

    HDC m_hDC = nullptr;

    BOOL Attach(HDC hDC);
    // Hands the device context back as it is, with whatever is selected into it.
    HDC Detach();

    // Fills the rectangle with one colour; leaves that colour as the background colour.
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    COLORREF GetBkColor() const;

    // Select returns the object it replaced, wrapped for selecting back; the wrapper belongs to this
    // device context, never deletes what it wraps, and stays valid until a few more objects of
    // other handles have been replaced. Nothing is allocated.
    CPen* SelectObject(CPen* pPen);
    CGdiObject* SelectObject(CGdiObject* pObject);
    CGdiObject* SelectStockObject(int nIndex);

protected:
    // Selects back the pen, brush, font and bitmap the device context held before the first
    // selection of each through this object.
    void RestoreSelections();

private:
    enum ObjectKind { KindPen, KindBrush, KindFont, KindBitmap, KindCount };
    static constexpr int WrapperCount = 4;

    // The kind of a selectable object, or -1 for one whose selection is not tracked (a region).
    static int KindOf(HGDIOBJ hObject);
    // Selects the object and remembers what it replaced first of its kind; the replaced handle.
    HGDIOBJ Select(HGDIOBJ hObject);
    template <class T> static T* Wrap(T (&wrappers)[WrapperCount], int& next, HGDIOBJ hReplaced);

    HGDIOBJ m_original[KindCount] = {};
    CPen m_replacedPens[WrapperCount];
    CGdiObject m_replacedObjects[WrapperCount];
    int m_nextPen = 0;
    int m_nextObject = 0;
};
