#pragma once
// Colour arithmetic for judging category colours: sRGB (D65) to CIELAB, the CIEDE2000 colour
// difference, simulated dichromatic vision and luminance contrast.
#include <array>

struct Rgb8
{
    int red = 0;
    int green = 0;
    int blue = 0;
};

// Linear-light RGB, each component 0..1 inside the sRGB gamut.
struct LinearRgb
{
    double red = 0;
    double green = 0;
    double blue = 0;
};

struct Xyz
{
    double x = 0;
    double y = 0;
    double z = 0;
};

struct Lab
{
    double l = 0;
    double a = 0;
    double b = 0;
};

using Matrix3 = std::array<std::array<double, 3>, 3>;

enum class Vision
{
    Normal,
    Protanopia,
    Deuteranopia,
    Tritanopia,
};
constexpr int VisionCount = 4;
constexpr Vision AllVisions[VisionCount] = { Vision::Normal, Vision::Protanopia, Vision::Deuteranopia,
                                             Vision::Tritanopia };
// "normal", "protanopia", "deuteranopia", "tritanopia".
const wchar_t* VisionName(Vision vision);

// The sRGB transfer function and its inverse, on one component.
double SrgbToLinear(int component);
int LinearToSrgb(double component);

LinearRgb ToLinear(Rgb8 colour);
Rgb8 ToSrgb(LinearRgb colour);
Xyz LinearToXyz(LinearRgb colour);
// CIELAB relative to the D65 white of sRGB.
Lab XyzToLab(Xyz colour);

// The colour as a person with the given vision sees it, in linear RGB clipped to the gamut.
LinearRgb Simulate(Vision vision, LinearRgb colour);
// The matrix applied to linear RGB for a vision (identity for normal vision).
const Matrix3& SimulationMatrix(Vision vision);
// CIELAB of the colour as seen with the given vision.
Lab SeenAs(Vision vision, Rgb8 colour);

// CIEDE2000 with the parametric factors kL = kC = kH = 1.
double DeltaE2000(const Lab& first, const Lab& second);

// Relative luminance of linear RGB, and the contrast ratio (1 to 21) of two luminances.
double RelativeLuminance(LinearRgb colour);
double ContrastRatio(double firstLuminance, double secondLuminance);
