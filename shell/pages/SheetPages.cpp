#include "shell/pages/SheetPages.h"

#include "shell/CSpecial.h"
#include "shell/CViewPP.h"
#include "shell/HandOver.h"
#include "shell/pages/C3num.h"
#include "shell/pages/C4num.h"
#include "shell/pages/CAdvanced.h"
#include "shell/pages/UnavailablePage.h"

namespace vantorel {

std::vector<SheetPage*> BuildSheetPages(CPsheet& sheet) {
    return {
        new C3num(sheet),
        new C4num(sheet),
        new UnavailablePage(sheet, kFiveNumberPage),
        new UnavailablePage(sheet, kSixNumberPage),
        new UnavailablePage(sheet, kPowerballPage),
        new CSpecial(sheet),
        new CAdvanced(sheet),
        new CViewPP(sheet),
    };
}

} // namespace vantorel
