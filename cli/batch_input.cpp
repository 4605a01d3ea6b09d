// Parser of the batch front end's input file.
#include "cli/batch_input.h"

BatchInputResult ParseBatchInput(const std::string&) { return {}; }
