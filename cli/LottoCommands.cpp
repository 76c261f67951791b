#include "cli/Commands.h"

namespace vantorel {

int RunLottoOperation(const CommandLine&, CliContext&) {
    return NotAvailableYet();
}
int RunLottoCompare(const CommandLine&, CliContext&) {
    return NotAvailableYet();
}

} // namespace vantorel
