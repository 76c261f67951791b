// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pages/SheetPages.h"

#include "shell/HandOver.h"
#include "shell/ResultListPage.h"
#include "shell/SetupPage.h"
#include "shell/pages/DataFilePage.h"
#include "shell/pages/FiveNumberPage.h"
#include "shell/pages/FourNumberPage.h"
#include "shell/pages/PowerballPage.h"
#include "shell/pages/SixNumberPage.h"
#include "shell/pages/ThreeNumberPage.h"

namespace vantorel {

std::vector<SheetPage*> BuildSheetPages(OperationsSheet& sheet) {
    return {
        new ThreeNumberPage(sheet), new FourNumberPage(sheet), new FiveNumberPage(sheet),
        new SixNumberPage(sheet),   new PowerballPage(sheet),  new SetupPage(sheet),
        new DataFilePage(sheet),    new ResultListPage(sheet),
    };
}

} // namespace vantorel
