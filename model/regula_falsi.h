// The bracket of a lobe's node pressure as the solver narrows it: regula
// falsi as the model defines it, shared by the ways of solving the lobes that
// work one lobe at a time, so that each takes the same operations.
#pragma once

namespace breathlab {

struct RegulaFalsiBracket {
    double a, Fa, b, Fb;

    // Where the chord through both ends crosses zero.
    double Estimate() const { return b - (b - a) * Fb / (Fb - Fa); }
    // The end replaced by the estimate P is chosen by the sign of F(P) against F(b).
    void Narrow(double P, double Fp) {
        if (Fp * Fb < 0) {
            a = P;
            Fa = Fp;
        } else {
            b = P;
            Fb = Fp;
        }
    }
};

} // namespace breathlab
