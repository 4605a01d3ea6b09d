// The fixed catalogue of KORALINEX roof fans: one entry per fan model and speed, with the
// dimensionless characteristic of the plain fan and of the fan with a silencing base and with
// a cylindrical silencer. Compiled in; looked up by FanIndex.
#pragma once

#include <cstdint>

struct FlowRange {
    double Min;  // - : lowest flow coefficient phi of the characteristic
    double Max;  // - : highest flow coefficient phi
};

// A characteristic psi(phi) = c0 + c1 phi + c2 phi^2 + c3 phi^3 + c4 phi^4 on its range.
// All zeros (range 0-0) stands for a missing variant.
struct Characteristic {
    FlowRange Range;
    double Coefficients[5];  // - : c0..c4, ascending powers
};

struct FanEntry {
    int32_t FanIndex;               // - : 1..58
    const char* FanDesignation;     // model without speed; entries of one model share the text
    int32_t FanSpeed;               // 1/min
    const char* ChooserCaption;     // radio button text in the fan chooser; nullptr: no button
    double ConnectionDiameter;      // m : d, the fan's duct connection
    double ImpellerDiameter;        // m : D, scales the characteristic
    FlowRange FlowCoefficientRange; // - : phi range of the plain characteristic
    double PressureCoefficients[5]; // - : c0..c4 of the plain characteristic
    Characteristic BaseCharacteristic;      // fan on a silencing base
    Characteristic SilencerCharacteristic;  // fan with a cylindrical silencer
};

// The three ways an entry can be fitted, each with its own characteristic.
enum class FanConfiguration : int32_t {
    Fan = 0,       // the fan alone
    Base = 1,      // the fan on a silencing base
    Silencer = 2,  // the fan with a cylindrical silencer
};

constexpr int kFanCount = 58;

// pi^2 as used by the flow and pressure scaling of every characteristic.
constexpr double kPiSquared = 9.869604401089358;

// The entry with this FanIndex, or nullptr for an index outside 1..58.
const FanEntry* LookupFan(int32_t fanIndex);

// All 58 entries in FanIndex order.
const FanEntry* FanCatalogue();
