// The one calculation record shared by the dialogs, the commands and the reports:
// inputs of the current calculation, the chosen fan, its operating point and the
// results of the regulation commands. Plain values only; every part reads and writes it directly.
#pragma once

#include <cstdint>

constexpr int kStoreyPressureSlots = 100;  // entries 0..StoreyCount, so at most 99 storeys
constexpr int kMaxStoreyCount = kStoreyPressureSlots - 1;

// Design outside temperatures of the storey flows until the storey-flow dialog gives others.
constexpr double kDefaultWinterTemperature = -20.0;  // deg C
constexpr double kDefaultSummerTemperature = 30.0;   // deg C

// The named values of the record's code fields. The fields stay 32-bit integers: a field may hold
// a value without a name (0 for a dialog never confirmed, -1 for no variant selected), and every
// part that reads one says what such a value does.

// ScreenReportKind and PrintReportKind: which command's results the report shows.
enum ReportKindCode : int32_t {
    kNoReport = 0,
    kFanSelectionReport = 1,
    kRegulatedSpeedReport = 2,
    kSilencerVariantsReport = 3,
    kRegulatedVariantReport = 4,
    kStoreyFlowsReport = 5,
    kCommissioningReport = 6,
};

// DensitySource: where the air density comes from.
enum DensitySourceCode : int32_t {
    kDensityComputed = 0,  // from temperature, pressure and humidity
    kDensityTyped = 1,
};

// DuctShape: the duct's cross-section.
enum DuctShapeCode : int32_t {
    kRectangularDuct = 0,
    kRoundDuct = 1,
};

// InstallationKind: the grille on every storey; the kinds' texts stand in model/installation_kinds.h.
enum InstallationKindCode : int32_t {
    kNoInstallationKind = 0,  // never chosen
    kRectangularGrille = 1,
    kRoundGrille = 2,
    kAdjustableRoundGrille = 3,
    kConstantFlowRoundGrille = 4,
    kConstantFlowRectangularGrille = 5,
};

// RegulationVariant: which characteristic the regulation with silencers slows down.
enum RegulationVariantCode : int32_t {
    kFanAlone = 0,
    kWithSilencingBase = 1,
    kWithCylindricalSilencer = 2,
};

// clang-format off
struct CalcRecord {
    int32_t ScreenReportKind;        // - : ReportKindCode
    int32_t PrintReportKind;         // - : always equal to ScreenReportKind
    int32_t DensitySource;           // - : DensitySourceCode
    int32_t DuctShape;               // - : DuctShapeCode
    int32_t InstallationKind;        // - : InstallationKindCode, 0 never chosen
    int32_t FanIndex;                // - : catalogue number 1..58, 0 after the reset
    double AirDensity;               // kg/m3
    double DuctRoughness;            // - : the Roughness of a row of kMaterials; 0 never chosen
    double DuctArea;                 // m2 : pi * DuctDiameter^2 / 4
    double DuctDiameter;             // m : round duct diameter or 2ab/(a+b)
    double GrilleLossCoefficient;    // - : zeta of one grille
    double GrilleArea;               // m2
    const char* FanDesignation;      // text in the fan catalogue; "" after the reset
    double DuctVelocity;             // m/s : FanFlow / DuctArea
    double DuctSideA;                // m : rectangular duct, "Długość"
    double DuctSideB;                // m : rectangular duct, "Szerokość"
    double GrilleSizeA;              // m : grille height or diameter
    double GrilleSizeB;              // m : grille width (rectangular grilles)
    int32_t StoreyCount;             // - : storeys, one grille each
    double StoreyHeight;             // m
    double FanFlow;                  // m3/s : StoreyCount * grille flow
    double FanFlowHourly;            // m3/h
    double FanPressure;              // Pa
    double StoreyPressure[kStoreyPressureSlots];  // Pa : [i] at storey i+1, [StoreyCount] at the fan
    int32_t FanSpeed;                // 1/min
    double GrilleFlowHourly;         // m3/h : flow through one grille
    double NetworkCoefficient;       // Pa/(m3/s)^2 : FanPressure / FanFlow^2
    double RegulatedFlow;            // m3/s
    double RegulatedPressure;        // Pa
    double RegulatedSpeed;           // 1/min
    double BaseFlow;                 // m3/s : with the silencing base, 0 = no intersection
    double SilencerFlow;             // m3/s : with the cylindrical silencer, 0 = no intersection
    double BasePressure;             // Pa
    double SilencerPressure;         // Pa
    double VariantRegulatedFlow;     // m3/s
    double VariantRegulatedPressure; // Pa
    int32_t RegulationVariant;       // - : RegulationVariantCode; -1 when none was selected
    double VariantRegulatedSpeed;    // 1/min : 0 when the variant cannot be regulated
    double RequiredGrilleFlowHourly; // m3/h : flow per grille asked for by the selection from the catalogue
    double AirTemperature;           // deg C : typed with the computed density (DensitySource 0)
    double GrilleSetFlowHourly;      // m3/h : Qs of a constant-flow grille (kinds 4 and 5)
    int32_t StoreyOneCondition;      // - : storey flows 0 still air, winter and summer, 1 only at OutsideTemperature
    double OutsideTemperature;       // deg C : outside air of the one condition's stack effect
    double StoreyFanSpeed;           // 1/min : fan speed of the storey flows, 0 = catalogue speed
    double WinterTemperature;        // deg C : winter design outside temperature of the storey flows
    double SummerTemperature;        // deg C : summer design outside temperature of the storey flows
    int32_t StoreyBalanced;          // - : storey flows 1 with the commissioning settings below
    int32_t CommissionSpeed;         // 1/min : the settings' fan speed, 0 when the building holds none
    int32_t CommissionTurnCount;     // - : storeys of CommissionTurns (adjustable grilles), 0 for none
    int32_t CommissionTurns[kStoreyPressureSlots]; // - : each storey's grille opening, [0] the lowest
};
// clang-format on

// Empties the record: every number 0, FanDesignation "", but the winter and summer design
// temperatures at their defaults.
void ResetCalcRecord(CalcRecord& record);

// True when StoreyPressure has room for the storeys' pressures (1..99 storeys; 0 has no network).
inline bool StoreyCountFits(int32_t storeys) { return storeys >= 0 && storeys <= kMaxStoreyCount; }

// Both report kinds are always written together; `kind` is a ReportKindCode.
inline void SetReportKind(CalcRecord& record, int32_t kind)
{
    record.ScreenReportKind = kind;
    record.PrintReportKind = kind;
}
