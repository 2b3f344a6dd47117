#include "ColourPolicy.h"

#include "PaletteTable.h"
#include "RegistryKey.h"
#include "RegistryString.h"

namespace {

// Room for the longest value of a policy key, the note (its characters and a NUL); anything longer
// is too long whatever it is. Value names longer than any of ours are not ours.
constexpr DWORD kNoteBytes = (AdministratorNoteMaxChars + 1) * sizeof(wchar_t);
constexpr DWORD kDataBytes = 512;
static_assert(kDataBytes >= kNoteBytes && kDataBytes > MaxSettingBytes, "the read takes every value that may be used");
constexpr DWORD kNameChars = 64;

int SlotOfValueName(const wchar_t* name)
{
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        if (CString(CategoryColorValues[slot].valueName).CompareNoCase(name) == 0)
            return slot;
    }
    return -1;
}

// One value of a policy key, as enumerated: its name, type, and its data when it fitted.
struct PolicyValue
{
    const wchar_t* name;
    DWORD type;
    const BYTE* data;  // null when the data did not fit kDataBytes
    DWORD byteCount;
};

class PolicyReader
{
public:
    PolicyReader(ColourPolicy& policy, PolicyScope scope) : m_policy(policy), m_scope(scope) {}

    // Reads the policy key of the scope's root and its Defaults; a key that is missing adds nothing.
    void Read(HKEY root)
    {
        RegistryKey key;
        if (!Open(key, root, PolicyKeyPath, false))
            return;
        ReadValues(key.Get(), false);
        RegistryKey defaults;
        if (Open(defaults, key.Get(), PolicyDefaultsSubKey, true))
            ReadValues(defaults.Get(), true);
    }

private:
    bool Open(RegistryKey& key, HKEY parent, const wchar_t* path, bool inDefaults)
    {
        const LONG opened = key.Open(parent, path, KEY_READ);
        if (opened != ERROR_SUCCESS && opened != ERROR_FILE_NOT_FOUND)
            Ignore(inDefaults, CString(), PolicyFault::KeyUnreadable);
        return opened == ERROR_SUCCESS;
    }

    // Enumerates the key's values, so that a key with a few values costs a few calls and value
    // names match in any letter case.
    void ReadValues(HKEY key, bool inDefaults)
    {
        for (DWORD index = 0;; ++index) {
            wchar_t name[kNameChars];
            DWORD nameChars = kNameChars;
            DWORD type = REG_NONE;
            alignas(wchar_t) BYTE data[kDataBytes];
            DWORD byteCount = kDataBytes;
            LONG result = ::RegEnumValueW(key, index, name, &nameChars, nullptr, &type, data, &byteCount);
            bool fitted = true;
            if (result == ERROR_MORE_DATA) {
                // The data or the name is too long: the name alone tells which.
                nameChars = kNameChars;
                result = ::RegEnumValueW(key, index, name, &nameChars, nullptr, &type, nullptr, &byteCount);
                fitted = false;
                if (result == ERROR_MORE_DATA)
                    continue;  // a name longer than any of ours: not a policy value
            }
            if (result != ERROR_SUCCESS)
                return;  // no more values, or the key went away
            Take(PolicyValue{ name, type, fitted ? data : nullptr, byteCount }, inDefaults);
        }
    }

    void Take(const PolicyValue& value, bool inDefaults)
    {
        const int slot = SlotOfValueName(value.name);
        const bool isNote = !inDefaults && CString(AdministratorNoteValue).CompareNoCase(value.name) == 0;
        if (slot < 0 && !isNote) {
            Ignore(inDefaults, value.name, PolicyFault::UnknownName);
            return;
        }
        if (value.type != REG_SZ) {
            Ignore(inDefaults, value.name, PolicyFault::NotText, value.type);
            return;
        }
        const DWORD limit = isNote ? kNoteBytes : MaxSettingBytes;
        if (!value.data || value.byteCount > limit) {
            Ignore(inDefaults, value.name, PolicyFault::TooLong);
            return;
        }
        const CString text = DecodeRegistryText(value.data, value.byteCount);
        if (isNote) {
            if (text.GetLength() > AdministratorNoteMaxChars)
                Ignore(inDefaults, value.name, PolicyFault::TooLong);
            else if (!m_policy.note.IsEmpty())
                Ignore(inDefaults, value.name, PolicyFault::Overridden, REG_SZ, text);
            else
                m_policy.note = text;
            return;
        }
        const FoundColor colour = FindMainColor(text);
        if (colour.row == 0) {
            Ignore(inDefaults, value.name, PolicyFault::NotAPaletteColour, REG_SZ, text);
            return;
        }
        // The machine policy is read first and wins.
        PolicyColour& target = inDefaults ? m_policy.siteDefaults[slot] : m_policy.locks[slot];
        if (target.set)
            Ignore(inDefaults, value.name, PolicyFault::Overridden, REG_SZ, colour.entry.m_strName);
        else
            target = PolicyColour{ true, m_scope, colour.entry.m_strName };
    }

    void Ignore(bool inDefaults, const CString& valueName, PolicyFault fault, DWORD type = REG_NONE,
                const CString& text = CString())
    {
        m_policy.ignored.push_back(IgnoredPolicyValue{ m_scope, inDefaults, valueName, fault, type, text });
    }

    ColourPolicy& m_policy;
    PolicyScope m_scope;
};

} // namespace

bool ColourPolicy::IsEmpty() const
{
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        if (locks[slot].set || siteDefaults[slot].set)
            return false;
    }
    return note.IsEmpty() && ignored.empty();
}

ColourPolicy ReadColourPolicy()
{
    ColourPolicy policy;
    PolicyReader(policy, PolicyScope::Machine).Read(HKEY_LOCAL_MACHINE);
    PolicyReader(policy, PolicyScope::User).Read(HKEY_CURRENT_USER);
    return policy;
}
