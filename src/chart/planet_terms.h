#pragma once
// Periodic perturbation terms held as data. One term is a coefficient
// polynomial in nu (C0 + C1 nu + C2 nu^2) times one or two sines or cosines
// of whole multiples (or a sum of two multiples) of the perturbation
// arguments, all in degrees.
#include <cstddef>
#include <cstdint>

#include "chart/angle_multiples.h"

namespace planet_terms {

// Slots of the argument vector the evaluator reads.
enum Arg : std::uint8_t { None, V, W, Zeta, Q, Psi, H, S, Eta, Theta, G, ArgCount };

struct TrigFactor {
    bool IsCos = false;
    Arg A1 = None;
    std::int8_t M1 = 0;
    Arg A2 = None;
    std::int8_t M2 = 0;
};

struct PerturbationTerm {
    TrigFactor F1;
    TrigFactor F2;  // A1 == None: no second factor
    double C0 = 0.0;
    double C1 = 0.0;
    double C2 = 0.0;
};

// sin(m a) and cos(m a); the four-argument forms give sin(m1 a1 + m2 a2).
constexpr TrigFactor Sin(Arg a, int m = 1) { return {false, a, static_cast<std::int8_t>(m), None, 0}; }
constexpr TrigFactor Cos(Arg a, int m = 1) { return {true, a, static_cast<std::int8_t>(m), None, 0}; }
constexpr TrigFactor Sin(Arg a1, int m1, Arg a2, int m2) {
    return {false, a1, static_cast<std::int8_t>(m1), a2, static_cast<std::int8_t>(m2)};
}
constexpr TrigFactor Cos(Arg a1, int m1, Arg a2, int m2) {
    return {true, a1, static_cast<std::int8_t>(m1), a2, static_cast<std::int8_t>(m2)};
}

constexpr PerturbationTerm Term(TrigFactor f, double c0, double c1 = 0.0, double c2 = 0.0) {
    return {f, TrigFactor{}, c0, c1, c2};
}
constexpr PerturbationTerm Term(TrigFactor f1, TrigFactor f2, double c0, double c1 = 0.0,
                                double c2 = 0.0) {
    return {f1, f2, c0, c1, c2};
}

// Argument values in degrees, indexed by Arg.
struct ArgValues {
    double Value[ArgCount] = {};
};

// Sines and cosines of the whole multiples of the arguments, each argument's
// filled on first use from one sine and cosine by the angle-addition
// recurrences. One table serves every term sum of a planet, so each argument
// costs a single sine/cosine evaluation instead of one per term.
class TrigTable {
public:
    explicit TrigTable(const ArgValues& args) : args_(args) {}

    // sin and cos of m times the argument a (any sign of m).
    double Sin(Arg a, int m) {
        const int n = m < 0 ? -m : m;
        if (n > kMaxMultiple) return Direct(false, a, m);
        if (!ready_[a]) Fill(a);
        return m < 0 ? -table_[a].s[n] : table_[a].s[n];
    }
    double Cos(Arg a, int m) {
        const int n = m < 0 ? -m : m;
        if (n > kMaxMultiple) return Direct(true, a, m);
        if (!ready_[a]) Fill(a);
        return table_[a].c[n];
    }
    // The value of one factor of a term; a sum of two multiples by the
    // addition theorems.
    double Factor(const TrigFactor& f) {
        if (f.A1 == None) return 1.0;
        const double s1 = Sin(f.A1, f.M1), c1 = Cos(f.A1, f.M1);
        if (f.A2 == None) return f.IsCos ? c1 : s1;
        const double s2 = Sin(f.A2, f.M2), c2 = Cos(f.A2, f.M2);
        return f.IsCos ? c1 * c2 - s1 * s2 : s1 * c2 + c1 * s2;
    }

private:
    static constexpr int kMaxMultiple = 8;
    void Fill(Arg a);
    // A multiple beyond the table, evaluated on its own.
    double Direct(bool isCos, Arg a, int m) const;

    ArgValues args_;
    bool ready_[ArgCount] = {};
    AngleMultiples<kMaxMultiple> table_[ArgCount];
};

// Sum of count terms at the arguments of the table and nu.
double SumTerms(const PerturbationTerm* terms, std::size_t count, TrigTable& table, double nu);
double SumTerms(const PerturbationTerm* terms, std::size_t count, const ArgValues& args, double nu);

template <std::size_t N>
double SumTerms(const PerturbationTerm (&terms)[N], TrigTable& table, double nu) {
    return SumTerms(terms, N, table, nu);
}

template <std::size_t N>
double SumTerms(const PerturbationTerm (&terms)[N], const ArgValues& args, double nu) {
    return SumTerms(terms, N, args, nu);
}

}  // namespace planet_terms
