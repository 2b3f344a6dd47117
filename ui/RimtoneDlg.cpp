#include "RimtoneDlg.h"

#include "DialogPlacement.h"
#include "PvStColorDlg.h"
#include "RegistryString.h"
#include "SwatchControls.h"

#include <cwctype>
#include <string>

namespace {

const wchar_t kLabelBullet = L'\x25CF';  // the black circle that starts every row label
// What a screen reader may do to a swatch, named as the dialog speaks: press it, as a click does.
const wchar_t kPressAction[] = L"누르기";

// A row label's text as a name: "<bullet>. 101~199(drill) : " gives "101~199(drill)".
CString NameFromLabel(const CString& text)
{
    const wchar_t* begin = text;
    const wchar_t* end = begin + text.GetLength();
    while (begin < end && (*begin == kLabelBullet || *begin == L'.' || std::iswspace(*begin)))
        ++begin;
    while (end > begin && (end[-1] == L':' || std::iswspace(end[-1])))
        --end;
    return CString(begin, static_cast<int>(end - begin));
}

} // namespace

IMPLEMENT_DYNAMIC(RimtoneDlg, CDialog)

RimtoneDlg::RimtoneDlg() : CDialog(IDD_RIMTONE_DIALOG, nullptr), m_strModuleName(L"Rimtone")
{
}

RimtoneDlg::~RimtoneDlg() = default;

BEGIN_MESSAGE_MAP(RimtoneDlg, CDialog)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_SWATCH_UNDETERMINED, IDC_SWATCH_UNDETERMINED, &RimtoneDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_SWATCH_DRILL, IDC_SWATCH_WC, &RimtoneDlg::OnSwatchClicked)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_SWATCH_MILLING, IDC_SWATCH_SLOT, &RimtoneDlg::OnSwatchClicked)
    ON_MESSAGE(WM_SETTINGCHANGE, &RimtoneDlg::OnSettingChange)
END_MESSAGE_MAP()

void RimtoneDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int slot = 0; slot < CategorySlotCount; ++slot)
        DDX_Control(pDX, SlotSwatchIds[slot], m_aSwatches[slot]);
}

BOOL RimtoneDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const ColourPolicy policy = ReadColourPolicy();
    // Every slot's own value is read, the locked ones too: it comes back when the lock goes.
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        const CategoryColorValue& value = CategoryColorValues[slot];
        m_aSwatches[slot].m_strColorName =
            ReadCategoryColorName(m_strModuleName, value.valueName, policy.DefaultName(slot));
    }
    m_accessibleSwatches.Attach(m_aSwatches, [this](int slot, SwatchFacts& facts) {
        const int row = FindMainColor(m_aSwatches[slot].m_strColorName).row;
        facts.role = ROLE_SYSTEM_PUSHBUTTON;
        facts.name = SlotName(slot);
        facts.value = MainColorOfRow(row ? row : 1).name;  // the colour the swatch shows
        if (m_policy.IsLocked(slot)) {
            // Locked: nothing to press, and the reason, as the tooltip gives it to the mouse.
            facts.unavailable = true;
            facts.description = m_policy.note.IsEmpty() ? CString(LockTooltips::kLockedText)
                                                        : CString(LockTooltips::kLockedText) + L". " + m_policy.note;
        } else {
            facts.defaultAction = kPressAction;
        }
    });
    ApplyPolicy(policy);
    CentreOnOwner(m_hWnd);
    return FALSE;
}

BOOL RimtoneDlg::PreTranslateMessage(MSG* pMsg)
{
    m_lockTooltips.Relay(*pMsg);
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_SPACE || pMsg->wParam == VK_RETURN) &&
        ::GetParent(pMsg->hwnd) == m_hWnd) {
        const int controlId = ::GetDlgCtrlID(pMsg->hwnd);
        if (SlotOfSwatch(controlId) >= 0) {
            // A key held down since the picker closed repeats: it must not open it again.
            if (!(pMsg->lParam & (1 << 30)))
                ::SendMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(controlId, STN_CLICKED), reinterpret_cast<LPARAM>(pMsg->hwnd));
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}

RECT RimtoneDlg::SlotRowRect(int slot) const
{
    RECT row;
    ::GetWindowRect(::GetDlgItem(m_hWnd, SlotLabelIds[slot]), &row);
    for (int other = 0; other < CategorySlotCount; ++other) {
        if (SlotLabelIds[other] != SlotLabelIds[slot])
            continue;
        RECT swatch;
        ::GetWindowRect(::GetDlgItem(m_hWnd, SlotSwatchIds[other]), &swatch);
        ::UnionRect(&row, &row, &swatch);
    }
    return row;
}

CString RimtoneDlg::SlotName(int slot) const
{
    const HWND label = ::GetDlgItem(m_hWnd, SlotLabelIds[slot]);
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(label)) + 1, L'\0');
    const int copied = ::GetWindowTextW(label, &text[0], static_cast<int>(text.size()));
    CString name = NameFromLabel(CString(text.c_str(), copied));
    int number = 1;
    for (int other = 0; other < slot; ++other)
        number += SlotLabelIds[other] == SlotLabelIds[slot] ? 1 : 0;
    if (number > 1) {
        CString suffix;
        suffix.Format(L" %d", number);
        name += suffix;
    }
    return name;
}

void RimtoneDlg::OnSwatchClicked(UINT nID)
{
    const int slot = SlotOfSwatch(static_cast<int>(nID));
    // A locked swatch is disabled; this also turns away a click that reaches it by other roads.
    if (slot < 0 || m_policy.IsLocked(slot))
        return;
    StaticMainColor& swatch = m_aSwatches[slot];

    PvStColorDlg picker(this);
    picker.SelectColor(swatch.m_strColorName);
    picker.m_rcKeepClear = SlotRowRect(slot);
    if (picker.DoModal() != IDOK)
        return;
    // A policy refresh locked the slot while the picker was open: the pick is not stored.
    if (m_policy.IsLocked(slot)) {
        MoveFocusPast(swatch.m_hWnd);
        return;
    }

    swatch.m_strColorName = picker.m_strSelColor;
    InvalidateRect(nullptr, FALSE);
    m_accessibleSwatches.Refresh();
    WriteSettingString(m_strModuleName, CategoryColorValues[slot].valueName, swatch.m_strColorName);
}

LRESULT RimtoneDlg::OnSettingChange(WPARAM, LPARAM lParam)
{
    const auto* area = reinterpret_cast<LPCWSTR>(lParam);
    if (area && CString(L"Policy").CompareNoCase(area) == 0)
        ApplyPolicy(ReadColourPolicy());
    return Default();
}

void RimtoneDlg::ApplyPolicy(const ColourPolicy& policy)
{
    bool changed = false;
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        StaticMainColor& swatch = m_aSwatches[slot];
        const bool wasLocked = m_policy.IsLocked(slot);
        if (policy.IsLocked(slot)) {
            if (!wasLocked) {
                m_aUserColorNames[slot] = swatch.m_strColorName;
                if (::GetFocus() == swatch.m_hWnd)
                    MoveFocusPast(swatch.m_hWnd);
                ::EnableWindow(swatch.m_hWnd, FALSE);
            }
            swatch.m_strColorName = policy.locks[slot].name;
            m_lockTooltips.Show(m_hWnd, swatch.m_hWnd, LockTooltips::TextFor(policy.note));
            changed = true;
        } else if (wasLocked) {
            swatch.m_strColorName = m_aUserColorNames[slot];
            ::EnableWindow(swatch.m_hWnd, TRUE);
            m_lockTooltips.Remove(m_hWnd, swatch.m_hWnd);
            changed = true;
        }
    }
    m_policy = policy;
    if (changed) {
        InvalidateRect(nullptr, FALSE);
        m_accessibleSwatches.Refresh();
    }
}

void RimtoneDlg::MoveFocusPast(HWND swatch)
{
    HWND focus = ::GetFocus();
    if (focus && focus != swatch)
        return;
    if (HWND next = ::GetNextDlgTabItem(m_hWnd, swatch, FALSE))
        ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
}
