// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace vantorel {

class OperationsSheet;
class SheetPage;

// The eight pages of a new operations sheet, in page order, each a child of the sheet. Pages that this
// build does not include yet are held by a notice that says so.
std::vector<SheetPage*> BuildSheetPages(OperationsSheet& sheet);

} // namespace vantorel
