// A service that knows a settings file by name: the include runs up a layer.
#include "settings/profile_keys.h"
