#include "bookmarks/wire.h"

#include "layouts/vrendis2001.h"

namespace bookmarks {

void wire(Vrendis2001&) {}

}  // namespace bookmarks
