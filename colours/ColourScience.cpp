#include "ColourScience.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Linear sRGB to XYZ for the D65 white, and that white, so that (255, 255, 255) is L* 100, a* b* 0.
constexpr Matrix3 kLinearToXyz = { { { 0.4124564, 0.3575761, 0.1804375 },
                                     { 0.2126729, 0.7151522, 0.0721750 },
                                     { 0.0193339, 0.1191920, 0.9503041 } } };
constexpr Xyz kWhiteD65 = { 0.4124564 + 0.3575761 + 0.1804375, 1.0, 0.0193339 + 0.1191920 + 0.9503041 };

// Machado, Oliveira & Fernandes (2009), severity 1.0, on linear RGB.
constexpr Matrix3 kIdentity = { { { 1, 0, 0 }, { 0, 1, 0 }, { 0, 0, 1 } } };
constexpr Matrix3 kProtanopia = { { { 0.152286, 1.052583, -0.204868 },
                                    { 0.114503, 0.786281, 0.099216 },
                                    { -0.003882, -0.048116, 1.051998 } } };
constexpr Matrix3 kDeuteranopia = { { { 0.367322, 0.860646, -0.227968 },
                                      { 0.280085, 0.672501, 0.047413 },
                                      { -0.011820, 0.042940, 0.968881 } } };
constexpr Matrix3 kTritanopia = { { { 1.255528, -0.076749, -0.178779 },
                                    { -0.078411, 0.930809, 0.147602 },
                                    { 0.004733, 0.691367, 0.303900 } } };

double Degrees(double radians) { return radians * 180.0 / kPi; }
double Radians(double degrees) { return degrees * kPi / 180.0; }

double LabCurve(double ratio)
{
    constexpr double delta = 6.0 / 29.0;
    return ratio > delta * delta * delta ? std::cbrt(ratio) : ratio / (3 * delta * delta) + 4.0 / 29.0;
}

// Hue angle in degrees 0..360; 0 for a neutral colour, as the formula's notes require.
double HueAngle(double b, double aPrime)
{
    if (b == 0 && aPrime == 0)
        return 0;
    const double angle = Degrees(std::atan2(b, aPrime));
    return angle < 0 ? angle + 360 : angle;
}

} // namespace

const wchar_t* VisionName(Vision vision)
{
    switch (vision) {
    case Vision::Protanopia: return L"protanopia";
    case Vision::Deuteranopia: return L"deuteranopia";
    case Vision::Tritanopia: return L"tritanopia";
    case Vision::Normal: break;
    }
    return L"normal";
}

double SrgbToLinear(int component)
{
    const double value = std::clamp(component, 0, 255) / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

int LinearToSrgb(double component)
{
    const double value = std::clamp(component, 0.0, 1.0);
    const double encoded = value <= 0.0031308 ? value * 12.92 : 1.055 * std::pow(value, 1 / 2.4) - 0.055;
    return static_cast<int>(std::lround(encoded * 255));
}

LinearRgb ToLinear(Rgb8 colour)
{
    return { SrgbToLinear(colour.red), SrgbToLinear(colour.green), SrgbToLinear(colour.blue) };
}

Rgb8 ToSrgb(LinearRgb colour)
{
    return { LinearToSrgb(colour.red), LinearToSrgb(colour.green), LinearToSrgb(colour.blue) };
}

Xyz LinearToXyz(LinearRgb colour)
{
    const double rgb[3] = { colour.red, colour.green, colour.blue };
    double xyz[3] = {};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            xyz[row] += kLinearToXyz[row][column] * rgb[column];
    return { xyz[0], xyz[1], xyz[2] };
}

Lab XyzToLab(Xyz colour)
{
    const double fx = LabCurve(colour.x / kWhiteD65.x);
    const double fy = LabCurve(colour.y / kWhiteD65.y);
    const double fz = LabCurve(colour.z / kWhiteD65.z);
    return { 116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz) };
}

const Matrix3& SimulationMatrix(Vision vision)
{
    switch (vision) {
    case Vision::Protanopia: return kProtanopia;
    case Vision::Deuteranopia: return kDeuteranopia;
    case Vision::Tritanopia: return kTritanopia;
    case Vision::Normal: break;
    }
    return kIdentity;
}

LinearRgb Simulate(Vision vision, LinearRgb colour)
{
    const Matrix3& matrix = SimulationMatrix(vision);
    const double rgb[3] = { colour.red, colour.green, colour.blue };
    double seen[3] = {};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            seen[row] += matrix[row][column] * rgb[column];
        seen[row] = std::clamp(seen[row], 0.0, 1.0);
    }
    return { seen[0], seen[1], seen[2] };
}

Lab SeenAs(Vision vision, Rgb8 colour)
{
    return XyzToLab(LinearToXyz(Simulate(vision, ToLinear(colour))));
}

double DeltaE2000(const Lab& first, const Lab& second)
{
    const double c1 = std::hypot(first.a, first.b);
    const double c2 = std::hypot(second.a, second.b);
    const double meanC7 = std::pow((c1 + c2) / 2, 7);
    const double g = 0.5 * (1 - std::sqrt(meanC7 / (meanC7 + std::pow(25.0, 7))));
    const double a1 = (1 + g) * first.a;
    const double a2 = (1 + g) * second.a;
    const double c1p = std::hypot(a1, first.b);
    const double c2p = std::hypot(a2, second.b);
    const double h1p = HueAngle(first.b, a1);
    const double h2p = HueAngle(second.b, a2);

    const double deltaL = second.l - first.l;
    const double deltaC = c2p - c1p;
    double deltaHue = 0;
    if (c1p * c2p != 0) {
        deltaHue = h2p - h1p;
        if (deltaHue > 180)
            deltaHue -= 360;
        else if (deltaHue < -180)
            deltaHue += 360;
    }
    const double deltaH = 2 * std::sqrt(c1p * c2p) * std::sin(Radians(deltaHue / 2));

    const double meanL = (first.l + second.l) / 2;
    const double meanCp = (c1p + c2p) / 2;
    double meanH = h1p + h2p;
    if (c1p * c2p != 0) {
        if (std::fabs(h1p - h2p) > 180)
            meanH += meanH < 360 ? 360 : -360;
        meanH /= 2;
    }
    const double t = 1 - 0.17 * std::cos(Radians(meanH - 30)) + 0.24 * std::cos(Radians(2 * meanH)) +
                     0.32 * std::cos(Radians(3 * meanH + 6)) - 0.20 * std::cos(Radians(4 * meanH - 63));
    const double deltaTheta = 30 * std::exp(-std::pow((meanH - 275) / 25, 2));
    const double meanCp7 = std::pow(meanCp, 7);
    const double rc = 2 * std::sqrt(meanCp7 / (meanCp7 + std::pow(25.0, 7)));
    const double l50 = (meanL - 50) * (meanL - 50);
    const double sl = 1 + 0.015 * l50 / std::sqrt(20 + l50);
    const double sc = 1 + 0.045 * meanCp;
    const double sh = 1 + 0.015 * meanCp * t;
    const double rt = -std::sin(Radians(2 * deltaTheta)) * rc;

    const double termL = deltaL / sl;
    const double termC = deltaC / sc;
    const double termH = deltaH / sh;
    return std::sqrt(termL * termL + termC * termC + termH * termH + rt * termC * termH);
}

double RelativeLuminance(LinearRgb colour)
{
    return LinearToXyz(colour).y;
}

double ContrastRatio(double firstLuminance, double secondLuminance)
{
    const double lighter = std::max(firstLuminance, secondLuminance);
    const double darker = std::min(firstLuminance, secondLuminance);
    return (lighter + 0.05) / (darker + 0.05);
}
