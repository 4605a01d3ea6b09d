// Reset of the shared calculation record.
#include "model/calc_record.h"

void ResetCalcRecord(CalcRecord& record)
{
    record = CalcRecord{};  // value-initialisation: every integer and double 0
    record.FanDesignation = "";
}
