// The adjustable round grilles: their loss coefficient as a polynomial of the turns they are
// opened by. The building dialog offers them by name; the commissioning settings look the grille
// of a record up by its diameter, which tells every row apart.
#pragma once

#include <cmath>
#include <cstdint>

// c4 x^4 + c3 x^3 + c2 x^2 + c1 x + c0, terms added in that order.
inline double GrillePolynomial(const double c[5], double x)
{
    return c[4] * std::pow(x, 4) + c[3] * std::pow(x, 3) + c[2] * std::pow(x, 2) + c[1] * x + c[0];
}

// zeta(n) = c4 n^4 + c3 n^3 + c2 n^2 + c1 n + c0 for n turns.
struct AdjustableGrille {
    const char* Name;
    double Diameter;         // m
    double Coefficients[5];  // - : c0..c4
};

constexpr int32_t kMaxTurns = 20;  // - : the grille fully open

// clang-format off
// Columns: combo item, d [m], c0, c1, c2, c3, c4.
inline constexpr AdjustableGrille kAdjustableGrilles[] = {
    {"LUMA 75/80", 0.046, { 35.6161, -10.2791,  1.21962,  -0.06343,   0.001197}},
    {"LUMA 100",   0.07,  { 40.5829,  -9.92083, 1.08037,  -0.05447,   0.001021}},
    {"LUMA 125",   0.096, { 89.352,  -13.289,   0.735112, -0.0141,    0.0}},
    {"LUMA 160",   0.115, {153.971,  -30.2484,  2.38995,  -0.08547,   0.001142}},
    {"LUMA 200",   0.163, {171.713,  -51.7115,  6.24028,  -0.330387,  0.0063225}},
};
// clang-format on

// The loss coefficient of `grille` opened by `turns` (0..kMaxTurns).
inline double LossCoefficientAtTurns(const AdjustableGrille& grille, int32_t turns)
{
    return GrillePolynomial(grille.Coefficients, static_cast<double>(turns));
}

// The row whose diameter is `diameter` (as the dialog stored it), or nullptr.
inline const AdjustableGrille* FindAdjustableGrille(double diameter)
{
    for (const AdjustableGrille& grille : kAdjustableGrilles) {
        if (grille.Diameter == diameter)
            return &grille;
    }
    return nullptr;
}
