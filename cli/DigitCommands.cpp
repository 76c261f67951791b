#include "cli/Commands.h"

namespace vantorel {

int RunDigitOperation(const CommandLine&, CliContext&) {
    return NotAvailableYet();
}
int RunDigitCompare(const CommandLine&, CliContext&) {
    return NotAvailableYet();
}
int RunPattern(const CommandLine&, CliContext&) {
    return NotAvailableYet();
}

} // namespace vantorel
