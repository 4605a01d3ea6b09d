// Storeys of 3 m, round duct of roughness 1.8, grilles of zeta 2.5, air of 1.2 kg/m3.
#pragma once

#include "model/calc_record.h"

inline CalcRecord Building(int32_t storeys, double duct, double grilleArea, int32_t fan = 0)
{
    CalcRecord r;
    ResetCalcRecord(r);
    r.AirDensity = 1.2;
    r.DuctRoughness = 1.8;
    r.GrilleLossCoefficient = 2.5;
    r.DuctDiameter = duct;
    r.DuctArea = 3.141592653589793 * duct * duct * 0.25;
    r.GrilleArea = grilleArea;
    r.StoreyCount = storeys;
    r.StoreyHeight = 3.0;
    r.FanIndex = fan;
    return r;
}
