#include "filter/complex.h"

#include <cmath>

namespace lchp {

Complex ComplexSum(Complex z1, Complex z2) {
    return {z1.re + z2.re, z1.im + z2.im};
}

Complex ComplexProduct(Complex z1, Complex z2) {
    return {z1.re * z2.re - z1.im * z2.im, z1.re * z2.im + z1.im * z2.re};
}

Complex ComplexQuotient(Complex z1, Complex z2) {
    const double a = z1.re;
    const double b = z1.im;
    const double c = z2.re;
    const double d = z2.im;
    return {(a * c + b * d) / (std::pow(c, 2) + std::pow(d, 2)),
            (c * b - a * d) / (std::pow(c, 2) + std::pow(d, 2))};
}

Complex ComplexParallel(Complex z1, Complex z2) {
    const Complex t = ComplexProduct(z1, z2);
    const Complex s = ComplexSum(z1, z2);
    return {(t.re * s.re + t.im * s.im) / (std::pow(s.re, 2) + std::pow(s.im, 2)),
            (s.re * t.im - t.re * s.im) / (std::pow(s.re, 2) + std::pow(s.im, 2))};
}

} // namespace lchp
