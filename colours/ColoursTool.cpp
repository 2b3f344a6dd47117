#include "ColoursTool.h"

#include "BinaryFile.h"
#include "ColourReport.h"
#include "PolicyReport.h"

#include <ConsoleText.h>

#include <algorithm>
#include <cwchar>

namespace {

// A colour file is a few hundred bytes; anything much larger is not one.
constexpr size_t kMaxFileBytes = 64 * 1024;

const wchar_t kUsage[] =
    L"RimtoneColours: the category colours of Rimtone (HKEY_CURRENT_USER\\SOFTWARE\\Hallgrove\\PAV\\Rimtone)\n"
    L"\n"
    L"usage: RimtoneColours COMMAND [ARGUMENTS]\n"
    L"  show                          the 12 values, what each holds, the colour the next start uses and\n"
    L"                                where it comes from (the user's value, a policy, a default); the\n"
    L"                                administrator's note and the policy values not in effect, and why\n"
    L"  export FILE.reg               write the colours in use to a .reg file (UTF-16, version 5.00);\n"
    L"                                colours locked by policy are left out\n"
    L"  import FILE.reg [--replace]   set the values the file sets, all or nothing; with --replace the\n"
    L"                                others get their defaults. A file that sets a colour locked by\n"
    L"                                policy is refused\n"
    L"  reset                         set the defaults (a policy's site defaults where it gives them);\n"
    L"                                colours locked by policy keep the user's value\n"
    L"  check [FILE.reg] [--background black|white] [--threshold DE] [--contrast RATIO] [--csv]\n"
    L"                                flag shared colours, pairs hard to tell apart under normal vision,\n"
    L"                                protanopia, deuteranopia and tritanopia (\u0394E00 below DE, default 5)\n"
    L"                                and colours with too little contrast against the background\n"
    L"                                (ratio below RATIO, default 3; background black by default)\n"
    L"  suggest [--background black|white] [--write FILE.reg]\n"
    L"                                the palette colours that keep all 12 categories furthest apart\n"
    L"                                under all four visions, among those that stand out from the\n"
    L"                                background (while 12 of them do)\n"
    L"  simulate [FILE.reg]           each colour as seen under the four visions (CSV, #rrggbb)\n"
    L"  policy export FILE.reg [--defaults] [--user]\n"
    L"                                the colours in use as a .reg file for the machine's policy key\n"
    L"                                (--user: the user's), as locks or, with --defaults, as site\n"
    L"                                defaults; import it as administrator with reg import\n"
    L"\n"
    L"Colours locked by policy (HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER\\SOFTWARE\\Policies\\Hallgrove\\PAV\\\n"
    L"Rimtone) are what the command uses; check and suggest take them as they are.\n"
    L"\n"
    L"exit codes: 0 done (check: nothing flagged), 1 check flagged something, 2 bad input or failure\n";

struct Arguments
{
    std::vector<std::wstring> positional;
    std::vector<std::pair<std::wstring, std::wstring>> options;  // name, value ("" for a flag)
};

// Splits the words after the command into file names and --options; `withValue` lists the options
// that take the next word as their value.
bool SplitArguments(const std::vector<std::wstring>& args, const std::vector<std::wstring>& flags,
                    const std::vector<std::wstring>& withValue, Arguments& parsed, std::wstring& err)
{
    for (size_t i = 1; i < args.size(); ++i) {
        const std::wstring& word = args[i];
        if (word.size() < 2 || word.compare(0, 2, L"--") != 0) {
            parsed.positional.push_back(word);
            continue;
        }
        const bool isFlag = std::find(flags.begin(), flags.end(), word) != flags.end();
        const bool takesValue = std::find(withValue.begin(), withValue.end(), word) != withValue.end();
        if (!isFlag && !takesValue) {
            err += L"RimtoneColours " + args[0] + L": unknown option " + OneLine(word) + L"\n";
            return false;
        }
        if (takesValue && i + 1 >= args.size()) {
            err += L"RimtoneColours " + args[0] + L": " + OneLine(word) + L" needs a value\n";
            return false;
        }
        parsed.options.emplace_back(word, takesValue ? args[++i] : std::wstring());
    }
    return true;
}

bool HasOption(const Arguments& parsed, const std::wstring& name)
{
    for (const auto& option : parsed.options)
        if (option.first == name)
            return true;
    return false;
}

bool ExpectFiles(const std::wstring& command, const Arguments& parsed, size_t least, size_t most, std::wstring& err)
{
    if (parsed.positional.size() < least || parsed.positional.size() > most) {
        err += L"RimtoneColours " + command + L": " +
               (parsed.positional.size() < least ? L"a file name is missing" : L"too many arguments: " +
                                                                                   OneLine(parsed.positional.back())) +
               L" (see RimtoneColours --help)\n";
        return false;
    }
    return true;
}

bool ParseNumber(const std::wstring& text, double low, double high, double& value)
{
    wchar_t* end = nullptr;
    value = std::wcstod(text.c_str(), &end);
    return !text.empty() && end && *end == L'\0' && value >= low && value <= high;
}

// Reads and checks a colour file; the message names the file and the line.
bool ReadColourFile(const std::wstring& path, SlotNames& names, std::wstring& err)
{
    std::vector<unsigned char> bytes;
    std::wstring problem;
    if (!ReadWholeFile(path, kMaxFileBytes, bytes, problem)) {
        err += problem + L"\n";
        return false;
    }
    RegFileError error;
    if (!ParseColourRegFile(bytes, names, error)) {
        err += OneLine(path) + (error.line > 0 ? L":" + std::to_wstring(error.line) : std::wstring()) + L": " +
               error.message + L"\n";
        return false;
    }
    return true;
}

bool WriteColourFile(const std::wstring& path, const SlotNames& names, std::wstring& err)
{
    std::wstring problem;
    if (!WriteWholeFile(path, FormatColourRegFile(names), problem)) {
        err += problem + L"\n";
        return false;
    }
    return true;
}

int Show(const std::vector<std::wstring>& args, std::wstring& out, std::wstring& err)
{
    Arguments parsed;
    if (!SplitArguments(args, {}, {}, parsed, err) || !ExpectFiles(args[0], parsed, 0, 0, err))
        return ExitBadInput;
    const ColourPolicy policy = ReadColourPolicy();
    out += ShowReport(ReadStoredColours(policy), policy);
    return ExitOk;
}

int Export(const std::vector<std::wstring>& args, std::wstring& out, std::wstring& err)
{
    Arguments parsed;
    if (!SplitArguments(args, {}, {}, parsed, err) || !ExpectFiles(args[0], parsed, 1, 1, err))
        return ExitBadInput;
    const StoredSlots slots = ReadStoredColours();
    SlotNames names = UsedNames(slots);
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        const StoredSetting& stored = slots[slot].stored;
        if (slots[slot].IsLocked()) {
            // Where the same lock holds, a file that set it would be refused.
            err += std::wstring(L"note: ") + CategoryColorValues[slot].valueName + L" is " +
                   SourceText(slots[slot].source) + L" (" + static_cast<LPCWSTR>(names[slot]) + L"); left out\n";
            names[slot] = CString();
        } else if (!stored.IsRead())
            err += std::wstring(L"note: ") + CategoryColorValues[slot].valueName + L" is " + StoredText(stored) +
                   L"; exported as " + SourceText(slots[slot].source) + L" " +
                   static_cast<LPCWSTR>(slots[slot].used.name) + L"\n";
        else if (!slots[slot].used.inPalette || stored.kind == StoredKind::OtherType)
            err += std::wstring(L"note: ") + CategoryColorValues[slot].valueName + L" holds " + StoredText(stored) +
                   L", not a palette colour; exported as " + static_cast<LPCWSTR>(slots[slot].used.name) +
                   L", the colour it loads as\n";
    }
    if (!WriteColourFile(parsed.positional[0], names, err))
        return ExitBadInput;
    const int count = CategorySlotCount - static_cast<int>(std::count(names.begin(), names.end(), CString()));
    out += L"exported the " + std::to_wstring(count) + L" colours to " + OneLine(parsed.positional[0]) + L"\n";
    return ExitOk;
}

// The defaults a reset writes: the policy's site defaults where it gives them, else the built-in
// ones; none for a locked slot, whose user value stays as it is until the lock goes.
SlotNames EffectiveDefaultNames(const ColourPolicy& policy)
{
    SlotNames names;
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        if (!policy.IsLocked(slot))
            names[slot] = policy.DefaultName(slot);
    }
    return names;
}

// Writes the names all or nothing and lists what changed.
int Apply(const SlotNames& names, std::wstring& out, std::wstring& err)
{
    const StoredSlots before = ReadStoredColours();
    std::wstring problem;
    if (!WriteSlotNames(names, problem)) {
        err += L"RimtoneColours: " + problem + L"\n";
        return ExitBadInput;
    }
    int changed = 0;
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        if (names[slot].IsEmpty())
            continue;
        const StoredSetting& stored = before[slot].stored;
        if (stored.kind == StoredKind::Text && stored.text == names[slot])
            continue;
        ++changed;
        out += L"  " + Column(CategoryColorValues[slot].valueName, 12) + Column(StoredText(stored), 29) + L"-> " +
               static_cast<LPCWSTR>(names[slot]) + L"\n";
    }
    out += std::to_wstring(changed) + (changed == 1 ? L" value changed\n" : L" values changed\n");
    return ExitOk;
}

int Import(const std::vector<std::wstring>& args, std::wstring& out, std::wstring& err)
{
    Arguments parsed;
    if (!SplitArguments(args, { L"--replace" }, {}, parsed, err) || !ExpectFiles(args[0], parsed, 1, 1, err))
        return ExitBadInput;
    SlotNames names;
    if (!ReadColourFile(parsed.positional[0], names, err)) {
        err += L"nothing was written\n";
        return ExitBadInput;
    }
    const ColourPolicy policy = ReadColourPolicy();
    bool locked = false;
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        if (names[slot].IsEmpty() || !policy.IsLocked(slot))
            continue;
        err += OneLine(parsed.positional[0]) + L": " + CategoryColorValues[slot].valueName + L" is locked by the " +
               (policy.locks[slot].scope == PolicyScope::Machine ? L"machine" : L"user") + L" policy (" +
               static_cast<LPCWSTR>(policy.locks[slot].name) + L"): the file cannot set it\n";
        locked = true;
    }
    if (locked) {
        err += L"nothing was written\n";
        return ExitBadInput;
    }
    if (HasOption(parsed, L"--replace")) {
        const SlotNames defaults = EffectiveDefaultNames(policy);
        for (int slot = 0; slot < CategorySlotCount; ++slot)
            if (names[slot].IsEmpty())
                names[slot] = defaults[slot];
    }
    return Apply(names, out, err);
}

int Reset(const std::vector<std::wstring>& args, std::wstring& out, std::wstring& err)
{
    Arguments parsed;
    if (!SplitArguments(args, {}, {}, parsed, err) || !ExpectFiles(args[0], parsed, 0, 0, err))
        return ExitBadInput;
    return Apply(EffectiveDefaultNames(ReadColourPolicy()), out, err);
}

// The colours to judge: a file's (its missing values at their defaults) or those the next load uses.
// Stored values that load as colour 0 because they name no palette colour are findings of their own.
bool ColoursToJudge(const Arguments& parsed, SlotColours& colours, std::wstring& notes, int& findings,
                    std::wstring& err)
{
    if (!parsed.positional.empty()) {
        SlotNames names;
        if (!ReadColourFile(parsed.positional[0], names, err))
            return false;
        const SlotNames defaults = DefaultSlotNames();
        int missing = 0;
        for (int slot = 0; slot < CategorySlotCount; ++slot) {
            if (names[slot].IsEmpty()) {
                names[slot] = defaults[slot];
                ++missing;
            }
        }
        notes += L"Colours of " + OneLine(parsed.positional[0]);
        if (missing)
            notes += L" (" + std::to_wstring(missing) + L" values it does not set at their defaults)";
        notes += L".\n";
        colours = ResolveSlotNames(names);
        return true;
    }
    const ColourPolicy policy = ReadColourPolicy();
    const StoredSlots slots = ReadStoredColours(policy);
    notes += L"Colours stored under HKEY_CURRENT_USER\\SOFTWARE\\Hallgrove\\PAV\\Rimtone, as the next start of the "
             L"command uses them.\n";
    const std::wstring locked = LockedSlotsText(policy);
    if (!locked.empty())
        notes += L"Locked by policy (the administrator's colours): " + locked + L".\n";
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        colours[slot] = slots[slot].used;
        const StoredSetting& stored = slots[slot].stored;
        if (stored.IsRead() && !slots[slot].used.inPalette) {
            notes += L"Not a palette colour: " + SlotText(slot) + L" holds " + StoredText(stored) +
                     L" and loads as colour 0 (" + static_cast<LPCWSTR>(slots[slot].used.name) + L").\n";
            ++findings;
        }
    }
    return true;
}

int Check(const std::vector<std::wstring>& args, std::wstring& out, std::wstring& err)
{
    Arguments parsed;
    if (!SplitArguments(args, { L"--csv" }, { L"--background", L"--threshold", L"--contrast" }, parsed, err) ||
        !ExpectFiles(args[0], parsed, 0, 1, err))
        return ExitBadInput;
    CheckOptions options;
    for (const auto& [name, value] : parsed.options) {
        bool good = true;
        if (name == L"--background") {
            good = value == L"black" || value == L"white";
            options.whiteBackground = value == L"white";
        } else if (name == L"--threshold") {
            good = ParseNumber(value, 0.01, 100, options.threshold);
        } else if (name == L"--contrast") {
            good = ParseNumber(value, 1, 21, options.minContrast);
        }
        if (!good) {
            err += L"RimtoneColours check: bad value for " + name + L": " + OneLine(value) +
                   L" (--background black|white, --threshold 0.01 to 100, --contrast 1 to 21)\n";
            return ExitBadInput;
        }
    }

    SlotColours colours;
    std::wstring notes;
    int findings = 0;
    if (!ColoursToJudge(parsed, colours, notes, findings, err))
        return ExitBadInput;
    const CheckResult result = CheckColours(colours, options);
    findings += static_cast<int>(result.sharedColours.size() + result.similarPairs.size() + result.lowContrast.size());

    if (HasOption(parsed, L"--csv")) {
        out += CheckCsv(colours, result);
    } else {
        out += notes + CheckReport(colours, result, options);
        out += findings ? L"\n" + std::to_wstring(findings) + (findings == 1 ? L" finding\n" : L" findings\n")
                        : L"\nNothing flagged.\n";
    }
    return findings ? ExitFlagged : ExitOk;
}

int Suggest(const std::vector<std::wstring>& args, std::wstring& out, std::wstring& err)
{
    Arguments parsed;
    if (!SplitArguments(args, {}, { L"--write", L"--background" }, parsed, err) ||
        !ExpectFiles(args[0], parsed, 0, 0, err))
        return ExitBadInput;
    CheckOptions options;
    std::vector<std::wstring> files;
    for (const auto& [name, value] : parsed.options) {
        if (name == L"--write") {
            files.push_back(value);
        } else if (value == L"black" || value == L"white") {
            options.whiteBackground = value == L"white";
        } else {
            err += L"RimtoneColours suggest: bad value for --background: " + OneLine(value) + L" (black or white)\n";
            return ExitBadInput;
        }
    }
    // Locked colours stay as they are; the others keep their defaults where they can.
    const ColourPolicy policy = ReadColourPolicy();
    SlotNames locked;
    SlotNames defaults;
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        if (policy.IsLocked(slot))
            locked[slot] = policy.locks[slot].name;
        defaults[slot] = policy.DefaultName(slot);
    }
    const Suggestion suggestion = SuggestSlotNames(options, locked, defaults);
    const std::wstring background = options.whiteBackground ? L"white" : L"black";
    out += L"Palette colours that keep the 12 categories furthest apart under normal vision, protanopia, "
           L"deuteranopia and tritanopia";
    out += suggestion.keepsContrast
               ? L", chosen from the " + std::to_wstring(suggestion.candidates) +
                     L" colours with a contrast ratio of at least " + Decimals(options.minContrast, 1) +
                     L":1 against a " + background + L" background:\n\n"
               : L". Fewer than 12 palette colours stand out enough from a " + background +
                     L" background, so all 16 took part:\n\n";
    out += NamesTable(suggestion.names);
    const std::wstring lockedText = LockedSlotsText(policy);
    if (!lockedText.empty())
        out += L"\nLocked by policy and kept as they are (a file written leaves them out): " + lockedText + L"\n";
    out += L"\nSmallest \u0394E00 between two categories over the four visions: " +
           Decimals(SmallestDifference(ResolveSlotNames(suggestion.names)), 2) + L" (the defaults: " +
           Decimals(SmallestDifference(ResolveSlotNames(DefaultSlotNames())), 2) + L")\n";
    SlotNames toWrite = suggestion.names;
    for (int slot = 0; slot < CategorySlotCount; ++slot) {
        if (policy.IsLocked(slot))
            toWrite[slot] = CString();
    }
    for (const std::wstring& file : files) {
        if (!WriteColourFile(file, toWrite, err))
            return ExitBadInput;
        out += L"written to " + OneLine(file) + L"\n";
    }
    return ExitOk;
}

int Simulate(const std::vector<std::wstring>& args, std::wstring& out, std::wstring& err)
{
    Arguments parsed;
    if (!SplitArguments(args, {}, {}, parsed, err) || !ExpectFiles(args[0], parsed, 0, 1, err))
        return ExitBadInput;
    SlotColours colours;
    std::wstring notes;
    int findings = 0;
    if (!ColoursToJudge(parsed, colours, notes, findings, err))
        return ExitBadInput;
    out += SimulationCsv(colours);
    return ExitOk;
}

// policy export: the colours in use, as locks or site defaults of the machine's or the user's
// policy key, for shops that set the policy without a domain.
int Policy(const std::vector<std::wstring>& args, std::wstring& out, std::wstring& err)
{
    Arguments parsed;
    if (!SplitArguments(args, { L"--defaults", L"--user" }, {}, parsed, err))
        return ExitBadInput;
    if (parsed.positional.empty() || parsed.positional[0] != L"export") {
        err += L"RimtoneColours policy: the command is policy export FILE.reg [--defaults] [--user]\n";
        return ExitBadInput;
    }
    parsed.positional.erase(parsed.positional.begin());
    if (!ExpectFiles(args[0] + L" export", parsed, 1, 1, err))
        return ExitBadInput;
    const bool user = HasOption(parsed, L"--user");
    const bool defaults = HasOption(parsed, L"--defaults");
    const std::wstring key = PolicyRegKeyName(user, defaults);
    std::wstring problem;
    if (!WriteWholeFile(parsed.positional[0], FormatColourRegFile(key, UsedNames(ReadStoredColours())), problem)) {
        err += problem + L"\n";
        return ExitBadInput;
    }
    out += L"exported the 12 colours in use as " + std::wstring(defaults ? L"site defaults" : L"locks") + L" of [" + key +
           L"] to " + OneLine(parsed.positional[0]) + L"\n";
    out += L"to set them, as administrator: reg import " + OneLine(parsed.positional[0]) + L"\n";
    return ExitOk;
}

} // namespace

int RunColoursTool(const std::vector<std::wstring>& args, std::wstring& out, std::wstring& err)
{
    if (args.empty()) {
        err += kUsage;
        return ExitBadInput;
    }
    const std::wstring& command = args[0];
    if (command == L"--help" || command == L"-h" || command == L"/?" || command == L"help") {
        out += kUsage;
        return ExitOk;
    }
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == L"--help") {
            out += kUsage;
            return ExitOk;
        }
    }
    using Command = int (*)(const std::vector<std::wstring>&, std::wstring&, std::wstring&);
    const std::pair<const wchar_t*, Command> commands[] = {
        { L"show", Show },     { L"export", Export },   { L"import", Import },     { L"reset", Reset },
        { L"check", Check },   { L"suggest", Suggest }, { L"simulate", Simulate }, { L"policy", Policy },
    };
    for (const auto& [name, run] : commands) {
        if (command == name)
            return run(args, out, err);
    }
    err += L"RimtoneColours: unknown command " + OneLine(command) + L" (see RimtoneColours --help)\n";
    return ExitBadInput;
}
