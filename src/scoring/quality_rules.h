#pragma once
// The rule tables of the relationship qualities: aspects between A's and B's
// bodies, the compound square rule, houses of the overlay, and signs.
#include <array>

#include "scoring/rule_types.h"

// Body operands of the quality rules: 0..10 the bodies in relationship
// order, then the rulers of houses 1, 7, 5 and 8 of each chart, which stand
// for the body they hold when a pass starts.
enum QualityOperand : int {
    kR1A = 11,
    kR7A,
    kR5A,
    kR8A,
    kR1B,
    kR7B,
    kR5B,
    kR8B,
    kQualityOperandCount
};

// Which chart a sign or house belongs to.
enum ChartSide : int { kSideA = 0, kSideB = 1 };

// Two aspects that must hold at once: A's a1 to B's b1 and A's a2 to B's b2.
struct CompoundAspectRule {
    int a1, b1, aspect1;
    int a2, b2, aspect2;
    Amounts amounts;
};

// A's body in B's house; mirrored for B's body in A's house, where the
// amounts go to the B counterparts of AttractionToA, LoveForA and
// ExcitementForA and the operand R1A stands for R1B.
struct QualityHouseRow {
    int body;
    int house;
    Amounts amounts;
};

// A's body and B's body by their sign distance |sign A - sign B| (0..11,
// not folded). An empty cell has no rule.
struct SignDistanceRow {
    int a, b;
    Amounts same;         // distance 0
    Amounts threeOrNine;  // distance 3 or 9
    Amounts four;         // distance 4 only
    Amounts six;          // distance 6
    bool threeOrNineOnlyWithoutSquare;
};

enum class SignTest {
    CuspAndBody,        // sign of side1's 7th cusp = sign of side2's op2
    SameCuspSigns,      // both 7th cusps in one sign
    SignPair,           // sign of A's op1 = sign1 and of B's op2 = sign2 (or swapped)
    SignIsRulerNumber,  // sign of side1's op1 = the body number op2 stands for
    SameSign,           // sign of side1's op1 = sign of side2's op2
    SameBody,           // op1 and op2 stand for the same body
};

struct QualitySignRule {
    SignTest test;
    int side1 = kSideA;
    int op1 = 0;
    int side2 = kSideB;
    int op2 = 0;
    int sign1 = 0, sign2 = 0;
    bool eitherOrder = false;  // SignPair: the swapped signs hold too
    bool needSquare = false;   // SignPair: A's op1 must be square B's op2
    Amounts amounts;
};

extern const std::array<AspectRow, 130> kQualityAspectRows;
extern const CompoundAspectRule kCompoundSquareRule;
extern const std::array<QualityHouseRow, 26> kQualityHouseRows;
extern const std::array<SignDistanceRow, 23> kSignDistanceRows;
extern const std::array<QualitySignRule, 27> kQualitySignRules;
