#pragma once

namespace lchp {

// A complex number as a plain pair of doubles. The operations below are written out term by term
// on purpose: std::complex divides by another algorithm and would change the last bits.
struct Complex {
    double re = 0;
    double im = 0;
};

Complex ComplexSum(Complex z1, Complex z2);
Complex ComplexProduct(Complex z1, Complex z2);

// z1 / z2. A zero divisor gives inf or NaN parts (IEEE, no trap).
Complex ComplexQuotient(Complex z1, Complex z2);

// z1 * z2 / (z1 + z2): two impedances in parallel. z1 + z2 = 0 gives inf or NaN parts.
Complex ComplexParallel(Complex z1, Complex z2);

} // namespace lchp
