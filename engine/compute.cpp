// What an operation key computes: the arithmetic of the basic view, the scientific functions
// of the extended one, the constants and the angle unit.
#include <cmath>

#include "calc_engine_ext.h"

namespace {

// The double nearest to 1/100. Products that involve it are evaluated with a 64-bit
// mantissa and rounded once when stored, as the rest of the arithmetic is.
constexpr double kPercent = 0.01;

double Extended(long double value)
{
    return static_cast<double>(value);
}

constexpr double kDegreeFactor = 0.011111111111111112;  // the double nearest to 1/90
constexpr double kEpsilon = 2.220446049250313e-16;      // 2^-52

bool IsTrigonometric(int type)
{
    return type >= IDC_KEY_SIN && type <= IDC_KEY_TAN;
}

bool IsInverseTrigonometric(int type)
{
    return type >= IDC_KEY_ASIN && type <= IDC_KEY_ATAN;
}

}  // namespace

void CalcEngine::Compute(int type, int id)
{
    CalcState& s = state_;
    if (type <= IDC_KEY_EQUALS)
        s.dX = s.dCurrent;

    if (id == IDC_KEY_PERCENT || (type == IDC_KEY_PERCENT && id == IDC_KEY_EQUALS)) {
        if (type == IDC_KEY_MULTIPLY) {
            s.dX = Extended(static_cast<long double>(s.dCurrent) * kPercent);
        } else {
            s.dX = Extended(static_cast<long double>(s.dCurrent) * s.dUp * kPercent);
            if (type == CALC_OP_NONE || type == CALC_OP_CONTINUE || type == IDC_KEY_PERCENT)
                s.dUp = s.dX;
        }
    }

    double first = s.dUp;
    double second = s.dX;
    InMemoryOperands(id, first, second);
    const long double a = first;
    switch (type) {
    case CALC_OP_NONE: s.dUp = s.dX; break;
    case IDC_KEY_DIVIDE: s.dUp = Extended(a / second); break;
    case IDC_KEY_MULTIPLY: s.dUp = Extended(a * second); break;
    case IDC_KEY_SUBTRACT: s.dUp = Extended(a - second); break;
    case IDC_KEY_ADD: s.dUp = Extended(a + second); break;
    case IDC_KEY_SQRT: s.dUp = std::sqrt(s.dX); break;
    case IDC_KEY_RECIPROCAL: s.dUp = Extended(1.0L / s.dX); break;
    default: break;  // continue the chain, percent alone, "=" with nothing to repeat
    }
}

void CalcEngineExt::Compute(int type, int id)
{
    if (type < IDC_KEY_LN || type > IDC_KEY_ATAN) {
        CalcEngine::Compute(type, id);
        return;
    }
    CalcState& s = state_;
    const bool degrees = s.nAngle == 0;
    // The conversions are evaluated with a 64-bit mantissa and rounded once: in plain double
    // arithmetic sin 30 degrees would come out as 0.49999999999999994.
    if (degrees && IsTrigonometric(type))
        s.dX = static_cast<double>(static_cast<long double>(std::asin(1.0)) * s.dX * kDegreeFactor);

    const double x = s.dX;
    double result = 0.0;
    switch (type) {
    case IDC_KEY_LN: result = std::log(x); break;
    case IDC_KEY_LOG: result = std::log10(x); break;
    case IDC_KEY_EXP: result = std::exp(x); break;
    case IDC_KEY_POW10: result = std::pow(10.0, x); break;
    case IDC_KEY_POWXY: {
        // x is always the down window and y the up window.
        double first = s.dCurrent;
        double second = s.dUp;
        InMemoryOperands(id, first, second);
        result = std::pow(first, second);
        break;
    }
    case IDC_KEY_CUBE: result = std::pow(x, 3.0); break;
    case IDC_KEY_SQUARE: result = std::pow(x, 2.0); break;
    case IDC_KEY_SIN: result = std::sin(x); break;
    case IDC_KEY_COS: result = std::cos(x); break;
    case IDC_KEY_TAN: result = std::tan(x); break;
    case IDC_KEY_ASIN: result = std::asin(x); break;
    case IDC_KEY_ACOS: result = std::acos(x); break;
    case IDC_KEY_ATAN: result = std::atan(x); break;
    default: break;
    }
    s.dUp = result;
    if (degrees && IsInverseTrigonometric(type))
        s.dUp = static_cast<double>((static_cast<long double>(s.dUp) * 90.0) / std::asin(1.0));

    // Snapping turns the residues of floating point into the exact values a user expects
    // (sin 180 degrees is 0, tan 45 degrees is 1) and a domain error into 0.
    if (std::fabs(s.dUp) <= kEpsilon || std::isnan(s.dUp))
        s.dUp = 0.0;
    if (std::fabs(s.dUp - 1.0) <= kEpsilon)
        s.dUp = 1.0;
    if (std::fabs(s.dUp + 1.0) <= kEpsilon)
        s.dUp = -1.0;
    // The relative rule only makes sense for sin, cos and tan, whose residues scale with the
    // angle (sin 360 degrees). Applied to other functions it would wipe out honest results
    // such as log 1e20 = 20 or an overflow to infinity.
    if (IsTrigonometric(type)) {
        if (s.dX == 0.0) {
            if (std::fabs(s.dUp) < kEpsilon)
                s.dUp = 0.0;
        } else {
            const double ratio = s.dUp / s.dX;
            if (std::fabs(ratio) < kEpsilon || std::isnan(ratio))
                s.dUp = 0.0;
        }
    }
}

void CalcEngineExt::PressConstant(int id)
{
    PrepareOperands();
    CalcState& s = state_;
    if (id == IDC_KEY_E) {
        s.dCurrent = std::exp(1.0);
    } else {
        s.dCurrent = std::acos(-1.0);
        s.nAngle = 1;  // pi means radians
    }
    s.bEntering = false;
    s.bFreshOperand = true;
    RefreshDisplay(true);
    s.nXWindow = 0;  // the constant is x
    Push();
    RefreshKeys();
}

void CalcEngineExt::ToggleAngle()
{
    state_.nAngle = 1 - state_.nAngle;
    Push();
}
