#pragma once
// Periodic perturbation terms of Uranus and Neptune in their argument
// H = 2G - S, and the direct longitude corrections in S, G, zeta, eta, theta.
#include "chart/planet_terms.h"

namespace planet_terms {

// Uranus: mean longitude, degrees.
inline constexpr PerturbationTerm kUranusA[] = {
    Term(Sin(H), 0.864319, -0.001583),
    Term(Cos(H), 0.082222, -0.006833),
    Term(Sin(H, 2), 0.036017),
    Term(Cos(H, 2), -0.003019),
    Term(Sin(W), 0.008122),
};

// Uranus: eccentricity, units of 0.0000001.
inline constexpr PerturbationTerm kUranusEccentricity[] = {
    Term(Sin(H), -3349, 163),
    Term(Cos(H), 20981),
    Term(Cos(H, 2), 1311),
};

// Uranus: perihelion quantity B (divided by e when applied), degrees.
inline constexpr PerturbationTerm kUranusB[] = {
    Term(Sin(H), 0.120303),
    Term(Cos(H), 0.019472, -0.000947),
    Term(Sin(H, 2), 0.006197),
};

// Uranus: semi-major axis, AU.
inline constexpr PerturbationTerm kUranusSemiAxis[] = {
    Term(Cos(H), -0.003825),
};

// Uranus: direct correction of the geocentric longitude, degrees.
inline constexpr PerturbationTerm kUranusDirect[] = {
    Term(Sin(S, 1, Eta, 1), 0.010122, -0.000988),
    Term(Cos(S, 1, Eta, 1), -0.038581, 0.002031, -0.001910),
    Term(Cos(S, 2, Eta, 1), 0.034964, -0.001038, 0.000868),
    Term(Sin(S, 1, Theta, 3), 0.005594),
    Term(Sin(Zeta), -0.014808),
    Term(Sin(Eta), -0.005794),
    Term(Cos(Eta), 0.002347),
    Term(Sin(Theta), 0.009872),
    Term(Sin(Theta, 2), 0.008803),
    Term(Sin(Theta, 3), -0.004308),
};

// Neptune: mean longitude, degrees.
inline constexpr PerturbationTerm kNeptuneA[] = {
    Term(Sin(H), -0.589833, 0.001089),
    Term(Cos(H), -0.056094, 0.004658),
    Term(Sin(H, 2), -0.024286),
};

// Neptune: eccentricity, units of 0.0000001.
inline constexpr PerturbationTerm kNeptuneEccentricity[] = {
    Term(Sin(H), 4389),
    Term(Sin(H, 2), 1129),
    Term(Cos(H), 4262),
    Term(Cos(H, 2), 1089),
};

// Neptune: perihelion quantity B (divided by e when applied), degrees.
inline constexpr PerturbationTerm kNeptuneB[] = {
    Term(Sin(H), 0.024039),
    Term(Cos(H), -0.025303),
    Term(Sin(H, 2), 0.006206),
    Term(Cos(H, 2), -0.005992),
};

// Neptune: semi-major axis, units of 0.000001 AU.
inline constexpr PerturbationTerm kNeptuneSemiAxis[] = {
    Term(Sin(H), -817),
    Term(Cos(H), 8189),
    Term(Cos(H, 2), 781),
};

// Neptune: direct correction of the geocentric longitude, degrees.
inline constexpr PerturbationTerm kNeptuneDirect[] = {
    Term(Sin(Zeta), -0.009556),
    Term(Sin(Eta), -0.005178),
    Term(Sin(Theta, 2), 0.002572),
    Term(Cos(Theta, 2), Sin(G), -0.002972),
    Term(Sin(Theta, 2), Cos(G), -0.002833),
};

}  // namespace planet_terms
