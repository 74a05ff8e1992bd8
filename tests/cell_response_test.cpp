#include "filter/cell_response.h"
#include "filter/complex.h"
#include "filter/design.h"

#include <cmath>
#include <complex>
#include <gtest/gtest.h>

namespace lchp {
namespace {

TEST(ComplexTest, OperationsOnSmallValues) {
    struct Row {
        const char* name;
        Complex result;
        Complex expected;
    };
    const Row rows[] = {
        {"sum", ComplexSum({1, 2}, {3, -5}), {4, -3}},
        {"product", ComplexProduct({1, 2}, {3, -5}), {13, 1}},
        {"quotient by 2j", ComplexQuotient({1, 0}, {0, 2}), {0, -0.5}},
        {"quotient", ComplexQuotient({13, 1}, {3, -5}), {1, 2}},
        {"parallel j and 1", ComplexParallel({0, 1}, {1, 0}), {0.5, 0.5}},
        {"parallel of equal resistors", ComplexParallel({8, 0}, {8, 0}), {4, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.result.re, row.expected.re);
        EXPECT_EQ(row.result.im, row.expected.im);
    }
}

TEST(ComplexTest, ZeroDivisorGivesNonFiniteWithoutTrapping) {
    const Complex q = ComplexQuotient({1, 0}, {0, 0});
    EXPECT_FALSE(std::isfinite(q.re));
    const Complex p = ComplexParallel({0, 1}, {0, -1});
    EXPECT_FALSE(std::isfinite(p.re));
}

struct Designed {
    double R;
    Design values;
};

Designed Butterworth() {
    return {8, DesignValues(1000, TypeResistance(8, "Butterworth"))};
}
Designed Chebyschev() {
    return {8, DesignValues(1000, TypeResistance(8, "Chebyschev"))};
}

double Magnitude(Complex z) {
    return std::hypot(z.re, z.im);
}

Complex ResponseOf(const Designed& d, double f) {
    return CellResponse(f, d.R, d.values.L, d.values.C);
}

TEST(CellResponseTest, ButterworthAtCutOffIsMinusQuarterPlusQuarterJ) {
    const Complex H = ResponseOf(Butterworth(), 1000);
    EXPECT_NEAR(H.re, -0.25, 4 * std::numeric_limits<double>::epsilon());
    EXPECT_NEAR(H.im, 0.25, 4 * std::numeric_limits<double>::epsilon());
}

TEST(CellResponseTest, WorkedMagnitudes) {
    struct Row {
        const char* name;
        Designed design;
        double f;
        double magnitude;
        double tolerance;
    };
    const Row rows[] = {
        {"Butterworth at cut-off", Butterworth(), 1000, 0.35355, 1e-5},
        {"Butterworth far above", Butterworth(), 100000, 0.5, 1e-4},
        {"Butterworth at 1 Hz", Butterworth(), 1, 5e-10, 1e-10},
        {"Chebyschev at 1000 Hz", Chebyschev(), 1000, 0.44721, 1e-5},
        {"Chebyschev at 2000 Hz", Chebyschev(), 2000, 0.44721, 1e-5},
        {"Chebyschev at 1500 Hz", Chebyschev(), 1500, 0.46305, 1e-5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(Magnitude(ResponseOf(row.design, row.f)), row.magnitude, row.tolerance);
    }
}

// The same ladder solved by nodal analysis: source 1 V behind R into node 1, shunt L there,
// C from node 1 to node 2, shunt L and load R at node 2. H is the voltage of node 2.
std::complex<double> NodalResponse(double f, double R, double L, double C) {
    const std::complex<double> jw(0, 6.28 * f);
    const std::complex<double> yL = 1.0 / (jw * L);
    const std::complex<double> yC = jw * C;
    const std::complex<double> y11 = 1.0 / R + yL + yC;
    const std::complex<double> y22 = yC + yL + 1.0 / R;
    const std::complex<double> y12 = -yC;
    const std::complex<double> determinant = y11 * y22 - y12 * y12;
    return -y12 * (1.0 / R) / determinant;
}

TEST(CellResponseTest, AgreesWithNodalAnalysisFromOneHertzToOneMegahertz) {
    const double frequencies[] = {1, 3, 10, 50, 200, 700, 1000, 1500, 3000, 10000, 100000, 1000000};
    for (const Designed& design : {Butterworth(), Chebyschev()}) {
        for (const double f : frequencies) {
            SCOPED_TRACE(f);
            const Complex H = ResponseOf(design, f);
            const std::complex<double> expected =
                NodalResponse(f, design.R, design.values.L, design.values.C);
            const double error = std::abs(std::complex<double>(H.re, H.im) - expected);
            EXPECT_LE(error, 1e-9 * std::abs(expected));
        }
    }
}

TEST(CellResponseTest, ZeroFrequencyOrCapacitanceGivesNaNWithoutTrapping) {
    const Designed d = Butterworth();
    const Complex atZero = CellResponse(0, d.R, d.values.L, d.values.C);
    EXPECT_TRUE(std::isnan(atZero.re) || std::isnan(atZero.im));
    const Complex noDesign = CellResponse(1000, 0, 0, 0);
    EXPECT_FALSE(std::isfinite(noDesign.re) && std::isfinite(noDesign.im));
}

} // namespace
} // namespace lchp
