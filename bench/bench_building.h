// The buildings the benchmarks compute on: a round duct of galvanised steel, air of 1.2 kg/m3, and
// one kind of grille on every storey.
#pragma once

#include <cstdint>

#include "model/calc_record.h"

struct BenchBuilding {
    int32_t Storeys;      // -
    double StoreyHeight;  // m
    double DuctDiameter;  // m
    double GrilleZeta;    // - : loss coefficient of one grille
    double GrilleArea;    // m2
};

// A reset record holding `building`; no fan chosen.
inline CalcRecord BenchRecord(const BenchBuilding& building)
{
    constexpr double kPi = 3.141592653589793;
    CalcRecord record;
    ResetCalcRecord(record);
    record.AirDensity = 1.2;
    record.DuctRoughness = 1.8;
    record.DuctDiameter = building.DuctDiameter;
    record.DuctArea = kPi * building.DuctDiameter * building.DuctDiameter * 0.25;
    record.GrilleLossCoefficient = building.GrilleZeta;
    record.GrilleArea = building.GrilleArea;
    record.StoreyCount = building.Storeys;
    record.StoreyHeight = building.StoreyHeight;
    return record;
}
