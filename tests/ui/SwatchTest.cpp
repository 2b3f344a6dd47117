// What the swatches paint: by stored name in the settings dialog, by control id in the picker.
#include "DialogDriver.h"
#include "Palette.h"
#include "PvStColorDlg.h"
#include "RegistrySandbox.h"
#include "resource.h"
#include "RimtoneDlg.h"
#include "StaticBkColor.h"

#include <gtest/gtest.h>

namespace {

// The settings template with a picker swatch attached to one of its own swatch controls.
class ForeignIdDialog : public CDialog
{
public:
    ForeignIdDialog() : CDialog(12000) {}
    StaticBkColor m_swatch;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_SWATCH_DRILL, m_swatch); }
};

} // namespace

TEST(Swatches, SettingsSwatchesPaintTheStoredNames)
{
    RegistrySandbox sandbox;
    ASSERT_TRUE(SetStringValue(kSettingsKey, L"mColor101", L"maincolor05"));
    ASSERT_TRUE(SetStringValue(kSettingsKey, L"mColor201", L"MAINCOLOR17"));
    ASSERT_TRUE(SetStringValue(kSettingsKey, L"mColor301", L""));
    ASSERT_TRUE(SetStringValue(kSettingsKey, L"mColor401", L"MAINCOLOR00"));
    ASSERT_TRUE(SetStringValue(kSettingsKey, L"mColor402", L"MAINCOLOR02"));
    ASSERT_TRUE(SetStringValue(kSettingsKey, L"mColor000", L"MainColor16"));

    RimtoneDlg dialog;
    ModalScript script;
    script.WaitFor(kSettingsCaption).Do([&] {
        HWND d = dialog.m_hWnd;
        EXPECT_TRUE(ControlIsSolid(d, IDC_SWATCH_DRILL, PaletteColor(5))) << "lower case";
        EXPECT_TRUE(ControlIsSolid(d, IDC_SWATCH_BORING, PaletteColor(1))) << "outside the palette";
        EXPECT_TRUE(ControlIsSolid(d, IDC_SWATCH_REAMER, PaletteColor(1))) << "empty";
        EXPECT_TRUE(ControlIsSolid(d, IDC_SWATCH_TAP, PaletteColor(1))) << "MAINCOLOR00";
        EXPECT_TRUE(ControlIsSolid(d, IDC_SWATCH_TAP_SECOND, PaletteColor(2))) << "light blue, red in the low byte";
        EXPECT_TRUE(ControlIsSolid(d, IDC_SWATCH_UNDETERMINED, PaletteColor(16)));
        EXPECT_TRUE(ControlIsSolid(d, IDC_SWATCH_SLOT, PaletteColor(11))) << "missing: default";
        EXPECT_TRUE(ControlIsSolid(d, IDC_SWATCH_COUNTERBORE, PaletteColor(9))) << "missing: default";
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(dialog.m_aSwatches[1].m_strColorName == L"maincolor05");
    EXPECT_TRUE(dialog.m_aSwatches[2].m_strColorName == L"MAINCOLOR17");
}

TEST(Swatches, PickerSwatchesPaintTheirOwnIdsColour)
{
    PvStColorDlg picker;
    picker.m_aSwatches[3].m_strColorName = L"MAINCOLOR09";  // never consulted
    ModalScript script;
    script.WaitFor(kPickerCaption).Do([&] {
        for (int number = 1; number <= 16; ++number)
            EXPECT_TRUE(ControlIsSolid(picker.m_hWnd, PickerSwatchId(number), PaletteColor(number))) << number;
        Click(picker.m_hWnd, IDCANCEL);
    });
    EXPECT_EQ(picker.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.Finished());
}

TEST(Swatches, PickerSwatchOnAnyOtherIdIsBlack)
{
    ForeignIdDialog dialog;
    ModalScript script;
    script.WaitFor(kSettingsCaption).Do([&] {
        EXPECT_TRUE(ControlIsSolid(dialog.m_hWnd, IDC_SWATCH_DRILL, RGB(0, 0, 0)));
        Click(dialog.m_hWnd, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.Finished());
}
