#pragma once

#include "shell/SheetPage.h"

namespace vantorel {

// Holds the place of a page that this build does not include, and says so.
class UnavailablePage final : public SheetPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UnavailablePage)

public:
    UnavailablePage(CPsheet& sheet, int pageIndex);
};

} // namespace vantorel
