// Prints what the plug-in reads as policy, from its own tables, for the test of the templates:
// the palette, each setting's lock and site default (key, value name, default), the note.
#include <CategoryColors.h>
#include <PaletteTable.h>
#include <PolicyKeys.h>

#include <cstdio>

int main()
{
    for (const MainColor& colour : MainColors)
        std::printf("colour %ls\n", colour.name);
    for (const char* kind : { "lock", "default" }) {
        const bool defaults = kind[0] == 'd';
        for (const CategoryColorValue& value : CategoryColorValues)
            std::printf("%s %ls%ls%ls %ls %ls\n", kind, PolicyKeyPath, defaults ? L"\\" : L"",
                        defaults ? PolicyDefaultsSubKey : L"", value.valueName, value.defaultColorName);
    }
    std::printf("note %ls %ls %d\n", PolicyKeyPath, AdministratorNoteValue, AdministratorNoteMaxChars);
    return 0;
}
