// A record as left by a fan selection: CORVA-4, round duct 0.2 m, rectangular grilles 0.2 x 0.25 m,
// 4 storeys, every result and regulation field filled; `kind` is the report kind shown.
#pragma once

#include <algorithm>

#include "model/calc_record.h"

inline CalcRecord SampleRecord(int32_t kind, int32_t storeys = 4)
{
    CalcRecord r;
    ResetCalcRecord(r);
    SetReportKind(r, kind);
    r.DensitySource = r.DuctShape = r.InstallationKind = 1;
    r.FanIndex = 17;
    r.FanSpeed = 1440;
    r.FanDesignation = "CORVA-4";
    r.AirDensity = 1.2;
    r.DuctRoughness = 1.8;
    r.DuctDiameter = 0.2;
    r.DuctArea = 3.141592653589793 * 0.2 * 0.2 * 0.25;
    r.GrilleLossCoefficient = 2.8;
    r.GrilleArea = 0.05;
    r.GrilleSizeA = 0.2;
    r.GrilleSizeB = 0.25;
    r.StoreyCount = storeys;
    r.StoreyHeight = 2.8;
    r.FanFlow = 0.1234;
    r.FanFlowHourly = r.FanFlow * 3600;
    r.FanPressure = 123.456;
    r.DuctVelocity = r.FanFlow / r.DuctArea;
    r.GrilleFlowHourly = r.FanFlowHourly / 4;
    r.DuctSideA = 0.3;  // the sides are shown for rectangular ducts
    r.DuctSideB = 0.15;
    const double pressures[] = {8.25, 9.96, 45.5, 99.96, 130.04};
    std::copy(pressures, pressures + 5, r.StoreyPressure);
    r.NetworkCoefficient = r.FanPressure / (r.FanFlow * r.FanFlow);
    r.RegulatedFlow = 0.1;
    r.RegulatedPressure = r.NetworkCoefficient * 0.01;
    r.RegulatedSpeed = 1167.0;
    r.BaseFlow = 0.11;
    r.BasePressure = 98.7;
    r.SilencerFlow = 0.105;
    r.SilencerPressure = 90.1;
    r.VariantRegulatedFlow = 0.09;
    r.VariantRegulatedPressure = r.NetworkCoefficient * 0.09 * 0.09;
    r.RegulationVariant = 1;
    r.RequiredGrilleFlowHourly = 650.0;  // the lowest storey falls short of it in still air and summer
    return r;
}
