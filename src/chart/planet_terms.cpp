#include "chart/planet_terms.h"

#include "chart/angle_helpers.h"

namespace planet_terms {

namespace {
double FactorValue(const TrigFactor& f, const ArgValues& args) {
    if (f.A1 == None) return 1.0;
    double angle = f.M1 * args.Value[f.A1];
    if (f.A2 != None) angle += f.M2 * args.Value[f.A2];
    return f.IsCos ? CosDeg(angle) : SinDeg(angle);
}
}  // namespace

double SumTerms(const PerturbationTerm* terms, std::size_t count, const ArgValues& args, double nu) {
    double sum = 0.0;
    for (std::size_t k = 0; k < count; ++k) {
        const PerturbationTerm& t = terms[k];
        const double coefficient = t.C0 + t.C1 * nu + t.C2 * nu * nu;
        sum += coefficient * FactorValue(t.F1, args) * FactorValue(t.F2, args);
    }
    return sum;
}

}  // namespace planet_terms
