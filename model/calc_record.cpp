// Reset of the shared calculation record.
#include "model/calc_record.h"

void ResetCalcRecord(CalcRecord& record)
{
    record = CalcRecord{};  // value-initialisation: every integer and double 0
    record.FanDesignation = "";
    // The storey flows and the selection from the catalogue judge the usual design conditions
    // until the storey-flow dialog gives others.
    record.WinterTemperature = kDefaultWinterTemperature;
    record.SummerTemperature = kDefaultSummerTemperature;
}
