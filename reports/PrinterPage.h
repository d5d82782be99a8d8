#pragma once

// The printer a page without its own size follows: the current printer of the
// installed ones (or those a test installed), read when a page needs it.

#include "catalogue/Catalogue.h"

TPrinterPage CurrentPrinterPage();
