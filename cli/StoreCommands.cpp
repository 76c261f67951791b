#include "cli/Commands.h"

namespace vantorel {

int RunImport(const CommandLine&, CliContext&) {
    return NotAvailableYet();
}
int RunAppend(const CommandLine&, CliContext&) {
    return NotAvailableYet();
}
int RunAnalyze(const CommandLine&, CliContext&) {
    return NotAvailableYet();
}
int RunBackup(const CommandLine&, CliContext&) {
    return NotAvailableYet();
}
int RunRestore(const CommandLine&, CliContext&) {
    return NotAvailableYet();
}

} // namespace vantorel
