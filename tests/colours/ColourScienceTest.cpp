#include "ColourScience.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Sharma, Wu & Dalal (2005), Table 1: L*a*b* of both colours and ΔE00.
struct SharmaPair
{
    Lab first;
    Lab second;
    double deltaE;
};

const SharmaPair kSharmaPairs[34] = {
    { { 50.0000, 2.6772, -79.7751 }, { 50.0000, 0.0000, -82.7485 }, 2.0425 },
    { { 50.0000, 3.1571, -77.2803 }, { 50.0000, 0.0000, -82.7485 }, 2.8615 },
    { { 50.0000, 2.8361, -74.0200 }, { 50.0000, 0.0000, -82.7485 }, 3.4412 },
    { { 50.0000, -1.3802, -84.2814 }, { 50.0000, 0.0000, -82.7485 }, 1.0000 },
    { { 50.0000, -1.1848, -84.8006 }, { 50.0000, 0.0000, -82.7485 }, 1.0000 },
    { { 50.0000, -0.9009, -85.5211 }, { 50.0000, 0.0000, -82.7485 }, 1.0000 },
    { { 50.0000, 0.0000, 0.0000 }, { 50.0000, -1.0000, 2.0000 }, 2.3669 },
    { { 50.0000, -1.0000, 2.0000 }, { 50.0000, 0.0000, 0.0000 }, 2.3669 },
    { { 50.0000, 2.4900, -0.0010 }, { 50.0000, -2.4900, 0.0009 }, 7.1792 },
    { { 50.0000, 2.4900, -0.0010 }, { 50.0000, -2.4900, 0.0010 }, 7.1792 },
    { { 50.0000, 2.4900, -0.0010 }, { 50.0000, -2.4900, 0.0011 }, 7.2195 },
    { { 50.0000, 2.4900, -0.0010 }, { 50.0000, -2.4900, 0.0012 }, 7.2195 },
    { { 50.0000, -0.0010, 2.4900 }, { 50.0000, 0.0009, -2.4900 }, 4.8045 },
    { { 50.0000, -0.0010, 2.4900 }, { 50.0000, 0.0010, -2.4900 }, 4.8045 },
    { { 50.0000, -0.0010, 2.4900 }, { 50.0000, 0.0011, -2.4900 }, 4.7461 },
    { { 50.0000, 2.5000, 0.0000 }, { 50.0000, 0.0000, -2.5000 }, 4.3065 },
    { { 50.0000, 2.5000, 0.0000 }, { 73.0000, 25.0000, -18.0000 }, 27.1492 },
    { { 50.0000, 2.5000, 0.0000 }, { 61.0000, -5.0000, 29.0000 }, 22.8977 },
    { { 50.0000, 2.5000, 0.0000 }, { 56.0000, -27.0000, -3.0000 }, 31.9030 },
    { { 50.0000, 2.5000, 0.0000 }, { 58.0000, 24.0000, 15.0000 }, 19.4535 },
    { { 50.0000, 2.5000, 0.0000 }, { 50.0000, 3.1736, 0.5854 }, 1.0000 },
    { { 50.0000, 2.5000, 0.0000 }, { 50.0000, 3.2972, 0.0000 }, 1.0000 },
    { { 50.0000, 2.5000, 0.0000 }, { 50.0000, 1.8634, 0.5757 }, 1.0000 },
    { { 50.0000, 2.5000, 0.0000 }, { 50.0000, 3.2592, 0.3350 }, 1.0000 },
    { { 60.2574, -34.0099, 36.2677 }, { 60.4626, -34.1751, 39.4387 }, 1.2644 },
    { { 63.0109, -31.0961, -5.8663 }, { 62.8187, -29.7946, -4.0864 }, 1.2630 },
    { { 61.2901, 3.7196, -5.3901 }, { 61.4292, 2.2480, -4.9620 }, 1.8731 },
    { { 35.0831, -44.1164, 3.7933 }, { 35.0232, -40.0716, 1.5901 }, 1.8645 },
    { { 22.7233, 20.0904, -46.6940 }, { 23.0331, 14.9730, -42.5619 }, 2.0373 },
    { { 36.4612, 47.8580, 18.3852 }, { 36.2715, 50.5065, 21.2231 }, 1.4146 },
    { { 90.8027, -2.0831, 1.4410 }, { 91.1528, -1.6435, 0.0447 }, 1.4441 },
    { { 90.9257, -0.5406, -0.9208 }, { 88.6381, -0.8985, -0.7239 }, 1.5381 },
    { { 6.7747, -0.2908, -2.4247 }, { 5.8714, -0.0985, -2.2286 }, 0.6377 },
    { { 2.0776, 0.0795, -1.1350 }, { 0.9033, -0.0636, -0.5514 }, 0.9082 },
};

double RoundedTo4(double value)
{
    return std::round(value * 1e4) / 1e4;
}

void ExpectLab(Rgb8 colour, Lab expected)
{
    const Lab lab = XyzToLab(LinearToXyz(ToLinear(colour)));
    EXPECT_NEAR(lab.l, expected.l, 0.005) << colour.red << "," << colour.green << "," << colour.blue;
    EXPECT_NEAR(lab.a, expected.a, 0.005) << colour.red << "," << colour.green << "," << colour.blue;
    EXPECT_NEAR(lab.b, expected.b, 0.005) << colour.red << "," << colour.green << "," << colour.blue;
}

} // namespace

TEST(DeltaE2000, MatchesAll34PairsOfSharmaWuDalalTo4DecimalsInBothOrders)
{
    for (int i = 0; i < 34; ++i) {
        const SharmaPair& pair = kSharmaPairs[i];
        EXPECT_DOUBLE_EQ(RoundedTo4(DeltaE2000(pair.first, pair.second)), pair.deltaE) << "pair " << i + 1;
        EXPECT_DOUBLE_EQ(RoundedTo4(DeltaE2000(pair.second, pair.first)), pair.deltaE) << "pair " << i + 1;
    }
    EXPECT_EQ(DeltaE2000({ 40, 10, -20 }, { 40, 10, -20 }), 0.0);
}

TEST(SrgbToLab, TransferFunctionMatrixAndWhiteGiveTheKnownValues)
{
    EXPECT_EQ(SrgbToLinear(0), 0.0);
    EXPECT_DOUBLE_EQ(SrgbToLinear(255), 1.0);
    EXPECT_NEAR(SrgbToLinear(10), 10 / 255.0 / 12.92, 1e-12);  // the linear toe
    EXPECT_NEAR(SrgbToLinear(128), 0.2158605, 1e-7);
    for (int component = 0; component <= 255; ++component)
        EXPECT_EQ(LinearToSrgb(SrgbToLinear(component)), component);

    const Xyz red = LinearToXyz(ToLinear({ 255, 0, 0 }));
    EXPECT_NEAR(red.x, 0.4124564, 1e-7);
    EXPECT_NEAR(red.y, 0.2126729, 1e-7);
    EXPECT_NEAR(red.z, 0.0193339, 1e-7);
    const Xyz white = LinearToXyz(ToLinear({ 255, 255, 255 }));
    EXPECT_NEAR(white.x, 0.95047, 1e-5);
    EXPECT_NEAR(white.z, 1.08883, 1e-5);

    ExpectLab({ 255, 255, 255 }, { 100, 0, 0 });
    ExpectLab({ 0, 0, 0 }, { 0, 0, 0 });
    ExpectLab({ 255, 0, 0 }, { 53.2408, 80.0925, 67.2032 });
    ExpectLab({ 0, 255, 0 }, { 87.7347, -86.1827, 83.1793 });
    ExpectLab({ 0, 0, 255 }, { 32.2970, 79.1875, -107.8602 });
    ExpectLab({ 128, 128, 128 }, { 53.5850, 0, 0 });
}

TEST(Simulation, UsesThePublishedSeverityOneMatricesOnLinearRgb)
{
    // Machado, Oliveira & Fernandes (2009), severity 1.0.
    const Matrix3 published[3] = {
        { { { 0.152286, 1.052583, -0.204868 }, { 0.114503, 0.786281, 0.099216 }, { -0.003882, -0.048116, 1.051998 } } },
        { { { 0.367322, 0.860646, -0.227968 }, { 0.280085, 0.672501, 0.047413 }, { -0.011820, 0.042940, 0.968881 } } },
        { { { 1.255528, -0.076749, -0.178779 }, { -0.078411, 0.930809, 0.147602 }, { 0.004733, 0.691367, 0.303900 } } },
    };
    const Vision visions[3] = { Vision::Protanopia, Vision::Deuteranopia, Vision::Tritanopia };
    for (int v = 0; v < 3; ++v) {
        const Matrix3& matrix = SimulationMatrix(visions[v]);
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column)
                EXPECT_EQ(matrix[row][column], published[v][row][column]) << VisionName(visions[v]);
            // Each row sums to one, so that greys look the same to everyone.
            EXPECT_NEAR(matrix[row][0] + matrix[row][1] + matrix[row][2], 1.0, 2e-6);
        }
    }
    const Rgb8 grey = { 200, 200, 200 };
    for (Vision vision : AllVisions)
        EXPECT_NEAR(SeenAs(vision, grey).l, SeenAs(Vision::Normal, grey).l, 1e-3) << VisionName(vision);

    // Pure red under protanopia: the matrix's first column, the negative blue clipped to 0.
    const LinearRgb red = Simulate(Vision::Protanopia, ToLinear({ 255, 0, 0 }));
    EXPECT_DOUBLE_EQ(red.red, 0.152286);
    EXPECT_DOUBLE_EQ(red.green, 0.114503);
    EXPECT_EQ(red.blue, 0.0);
    // Yellow under tritanopia overshoots red; the result stays in the gamut.
    const LinearRgb yellow = Simulate(Vision::Tritanopia, ToLinear({ 255, 255, 0 }));
    EXPECT_EQ(yellow.red, 1.0);
}

TEST(Contrast, RatioRunsFromOneToTwentyOne)
{
    EXPECT_DOUBLE_EQ(ContrastRatio(1.0, 0.0), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(0.0, 1.0), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(0.3, 0.3), 1.0);
    EXPECT_NEAR(RelativeLuminance(ToLinear({ 0, 0, 255 })), 0.0721750, 1e-7);
}
