// Identifiers of the module's dialog templates and their controls.
#pragma once

#define IDD_RIMTONE_DIALOG        12000
#define IDC_SWATCH_DRILL          12011
#define IDC_SWATCH_BORING         12012
#define IDC_SWATCH_REAMER         12013
#define IDC_SWATCH_TAP            12014
#define IDC_SWATCH_TAP_SECOND     12015
#define IDC_SWATCH_COUNTERBORE    12016
#define IDC_SWATCH_JG             12017
#define IDC_SWATCH_JB             12018
#define IDC_SWATCH_WC             12019
#define IDC_LABEL_DRILL           12020
#define IDC_LABEL_BORING          12021
#define IDC_LABEL_REAMER          12022
#define IDC_LABEL_TAP             12023
#define IDC_LABEL_COUNTERBORE     12024
#define IDC_LABEL_JG              12025
#define IDC_LABEL_JB              12026
#define IDC_LABEL_WC              12027
#define IDC_LABEL_MILLING         12028
#define IDC_LABEL_SLOT            12029
#define IDC_SWATCH_MILLING        12030
#define IDC_SWATCH_SLOT           12031
#define IDC_LABEL_UNDETERMINED    12032
#define IDC_SWATCH_UNDETERMINED   12033

#define IDD_COLOR_PROPERTY        17079
#define IDC_COLOR01               17015
#define IDC_COLOR02               17032
#define IDC_COLOR03               17033
#define IDC_COLOR04               17034
#define IDC_COLOR05               17035
#define IDC_COLOR06               17036
#define IDC_COLOR07               17037
#define IDC_COLOR08               17038
#define IDC_COLOR09               17039
#define IDC_COLOR10               17040
#define IDC_COLOR11               17041
#define IDC_COLOR12               17042
#define IDC_COLOR13               17043
#define IDC_COLOR14               17044
#define IDC_COLOR15               17045
#define IDC_COLOR16               17046
