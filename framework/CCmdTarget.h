#pragma once
// Message maps: static tables of (message, notification, control id) -> typed handler, each table
// pointing at the table of its base class. CWnd walks them when a message arrives.
#include "CObject.h"

class CCmdTarget;
typedef void (CCmdTarget::*AFX_PMSG)();

// Handler signatures; the dispatcher casts an entry's pfn back to the type its nSig names.
enum AfxSig : UINT_PTR
{
    AfxSig_end = 0,   // end of a table
    AfxSig_vv,        // void handler()                              WM_PAINT, control notifications
    AfxSig_hDWw,      // HBRUSH handler(CDC*, CWnd*, UINT nCtlColor) WM_CTLCOLOR
    AfxSig_vw,        // void handler(UINT nID)                      notifications of a range of controls
    AfxSig_lwl,       // LRESULT handler(WPARAM, LPARAM)             any window message (ON_MESSAGE)
};

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;   // window message
    UINT nCode;      // notification code for WM_COMMAND
    UINT nID;        // control id (0 for window messages)
    UINT nLastID;    // last control id of a range
    UINT_PTR nSig;   // AfxSig of pfn
    AFX_PMSG pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        (void)sizeof(ThisClass); \
        static const AFX_MSGMAP_ENTRY messageEntries[] = {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, AfxSig_end, nullptr } \
        }; \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, &messageEntries[0] }; \
        return &messageMap; \
    }

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    ~CCmdTarget() override = default;

    virtual const AFX_MSGMAP* GetMessageMap() const;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
};
