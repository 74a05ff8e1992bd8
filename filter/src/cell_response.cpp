#include "filter/cell_response.h"

namespace lchp {

Complex CellResponse(double f, double R, double L, double C) {
    const double Xc = -1 / ((6.28 * f) * C);
    const double XL = (6.28 * f) * L;
    const Complex Z1 = ComplexParallel({0, XL}, {R, 0}); // output inductor across the load
    const Complex Z2 = ComplexSum(Z1, {0, Xc});          // series capacitor in front of it
    const Complex Z3 = ComplexParallel({0, XL}, Z2);     // input impedance of the loaded cell
    Complex Q = ComplexQuotient({R, 0}, Z3);
    Q = {Q.re + 1, Q.im};
    const Complex A = ComplexQuotient({1, 0}, Q); // source resistance against the loaded cell
    const Complex B = ComplexQuotient(Z1, Z2);    // capacitor against the loaded output inductor
    return ComplexProduct(A, B);
}

} // namespace lchp
