// The one calculation record shared by the dialogs, the commands and the reports:
// inputs of the current calculation, the chosen fan, its operating point and the
// results of the regulation commands. Plain values only; every part reads and writes it directly.
#pragma once

#include <cstdint>

constexpr int kStoreyPressureSlots = 100;  // entries 0..StoreyCount, so at most 99 storeys
constexpr int kMaxStoreyCount = kStoreyPressureSlots - 1;

struct CalcRecord {
    int32_t ScreenReportKind;        // - : 0 none, 1 fan, 2 regulated, 3 variants, 4 regulated variant,
                                     //     5 storey flows
    int32_t PrintReportKind;         // - : always equal to ScreenReportKind
    int32_t DensitySource;           // - : 0 computed from the air state, 1 typed
    int32_t DuctShape;               // - : 0 rectangular, 1 round
    int32_t InstallationKind;        // - : grille kind 1..5, 0 never chosen
    int32_t FanIndex;                // - : catalogue number 1..58, 0 after the reset
    double AirDensity;               // kg/m3
    double DuctRoughness;            // - : 1.8, 2.5, 3.0, 5.0, 7.5 or 10.0; 0 never chosen
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
    int32_t RegulationVariant;       // - : 0 fan alone, 1 silencing base, 2 cylindrical silencer
    double VariantRegulatedSpeed;    // 1/min : 0 when the variant cannot be regulated
    double AirTemperature;           // deg C : typed with the computed density (DensitySource 0)
    double GrilleSetFlowHourly;      // m3/h : Qs of a constant-flow grille (kinds 4 and 5)
    int32_t StoreyStackEffect;       // - : storey flows with the stack effect, 0 no, 1 yes
    double OutsideTemperature;       // deg C : outside air of the stack effect
    double StoreyFanSpeed;           // 1/min : fan speed of the storey flows, 0 = catalogue speed
};

// Empties the record: every number 0, FanDesignation "".
void ResetCalcRecord(CalcRecord& record);

// True when StoreyPressure has room for the storeys' pressures (1..99 storeys; 0 has no network).
inline bool StoreyCountFits(int32_t storeys) { return storeys >= 0 && storeys <= kMaxStoreyCount; }

// Both report kinds are always written together.
inline void SetReportKind(CalcRecord& record, int32_t kind)
{
    record.ScreenReportKind = kind;
    record.PrintReportKind = kind;
}
