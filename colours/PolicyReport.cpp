#include "PolicyReport.h"

#include "ColourReport.h"
#include "RegFile.h"

#include <ConsoleText.h>

namespace {

std::wstring ValueText(const IgnoredPolicyValue& value)
{
    return value.valueName.IsEmpty() ? std::wstring(L"(Default)") : OneLine(static_cast<LPCWSTR>(value.valueName), 40);
}

std::wstring Reason(const IgnoredPolicyValue& value)
{
    switch (value.fault) {
    case PolicyFault::NotText:
        return std::wstring(L"is ") + RegistryTypeName(value.type) + L", not REG_SZ";
    case PolicyFault::TooLong:
        return CString(AdministratorNoteValue).CompareNoCase(value.valueName) == 0
                   ? L"is longer than " + std::to_wstring(AdministratorNoteMaxChars) + L" characters"
                   : L"is longer than the " + std::to_wstring(MaxSettingBytes) + L" bytes a colour name may take";
    case PolicyFault::NotAPaletteColour:
        return L"holds \"" + OneLine(static_cast<LPCWSTR>(value.text), 40) +
               L"\", not a palette colour (MAINCOLOR01 to MAINCOLOR16)";
    case PolicyFault::UnknownName:
        return L"is not a Rimtone policy value";
    case PolicyFault::Overridden:
        return L"holds \"" + OneLine(static_cast<LPCWSTR>(value.text), 40) + L"\", overridden by the machine policy's";
    case PolicyFault::KeyUnreadable:
        break;
    }
    return L"cannot be read (access denied)";
}

} // namespace

std::wstring SourceText(ColourSource source)
{
    switch (source) {
    case ColourSource::MachineLock: return L"locked by the machine policy";
    case ColourSource::UserLock: return L"locked by the user policy";
    case ColourSource::MachineDefault: return L"the machine policy's site default";
    case ColourSource::UserDefault: return L"the user policy's site default";
    case ColourSource::BuiltInDefault: return L"the default";
    case ColourSource::UserValue: break;
    }
    return std::wstring();
}

std::wstring LockedSlotsText(const ColourPolicy& policy)
{
    std::wstring text;
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        if (!policy.IsLocked(slot))
            continue;
        text += (text.empty() ? L"" : L", ") + SlotText(slot) + L" " + static_cast<LPCWSTR>(policy.locks[slot].name) +
                L" (" + (policy.locks[slot].scope == PolicyScope::Machine ? L"machine policy" : L"user policy") + L")";
    }
    return text;
}

std::wstring PolicySection(const ColourPolicy& policy)
{
    if (policy.IsEmpty())
        return L"\nNo colour policy is set (" + PolicyRegKeyName(false, false) + L", " + PolicyRegKeyName(true, false) +
               L").\n";
    std::wstring text;
    if (!policy.note.IsEmpty())
        text += L"\nThe administrator's note: " + OneLine(static_cast<LPCWSTR>(policy.note)) + L"\n";
    if (!policy.ignored.empty()) {
        text += L"\nPolicy values not in effect, and why:\n";
        for (const IgnoredPolicyValue& value : policy.ignored) {
            const std::wstring key = PolicyRegKeyName(value.scope == PolicyScope::User, value.inDefaults);
            text += L"  " + key + L" " +
                    (value.fault == PolicyFault::KeyUnreadable ? std::wstring() : ValueText(value) + L" ") +
                    Reason(value) + L"\n";
        }
    }
    return text;
}
