#include "views/wire.h"

#include "layouts/fullscreen.h"
#include "layouts/vrendis2001.h"

namespace views {

void wire(Vrendis2001&) {}

void wire(Vrendis2001&, Fullscreen&) {}

}  // namespace views
