#include "layouts/artwork.h"

#include "platform/paths.h"

namespace layouts::artwork {

QString path(const char* name) {
    return platform::program_path(QStringLiteral("\\data\\app\\") + QLatin1String(name));
}

bool load(Image* image, const char* name) {
    return image->load_picture(path(name));
}

}  // namespace layouts::artwork
