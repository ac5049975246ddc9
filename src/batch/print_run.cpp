#include "print_run.h"

namespace batch {

void RunPrintBatch(PrintRunView&, automation::Variant&, automation::Variant&) {}

} // namespace batch
