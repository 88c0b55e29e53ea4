#include "chart/planet_terms.h"

#include "chart/angle_helpers.h"

namespace planet_terms {

void TrigTable::Fill(Arg a) {
    table_[a].Set(args_.Value[a]);
    ready_[a] = true;
}

double TrigTable::Direct(bool isCos, Arg a, int m) const {
    return isCos ? CosDeg(m * args_.Value[a]) : SinDeg(m * args_.Value[a]);
}

double SumTerms(const PerturbationTerm* terms, std::size_t count, TrigTable& table, double nu) {
    double sum = 0.0;
    for (std::size_t k = 0; k < count; ++k) {
        const PerturbationTerm& t = terms[k];
        const double coefficient = t.C0 + t.C1 * nu + t.C2 * nu * nu;
        sum += coefficient * table.Factor(t.F1) * table.Factor(t.F2);
    }
    return sum;
}

double SumTerms(const PerturbationTerm* terms, std::size_t count, const ArgValues& args, double nu) {
    TrigTable table(args);
    return SumTerms(terms, count, table, nu);
}

}  // namespace planet_terms
