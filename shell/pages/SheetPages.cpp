#include "shell/pages/SheetPages.h"

#include "shell/CSpecial.h"
#include "shell/CViewPP.h"
#include "shell/HandOver.h"
#include "shell/pages/C3num.h"
#include "shell/pages/C4num.h"
#include "shell/pages/C5num.h"
#include "shell/pages/C6num.h"
#include "shell/pages/CAdvanced.h"
#include "shell/pages/CPowerball.h"

namespace vantorel {

std::vector<SheetPage*> BuildSheetPages(CPsheet& sheet) {
    return {
        new C3num(sheet),      new C4num(sheet),    new C5num(sheet),     new C6num(sheet),
        new CPowerball(sheet), new CSpecial(sheet), new CAdvanced(sheet), new CViewPP(sheet),
    };
}

} // namespace vantorel
