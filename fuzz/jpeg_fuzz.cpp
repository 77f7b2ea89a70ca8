// libFuzzer target for the JPEG decoder: any bytes as a part's picture. Whatever they hold, the
// decoder gives a picture of the size the file names or none, and a sound JPEG decoded right
// after it comes out whole: no damaged file spoils the next one.
#include <turbojpeg.h>

#include <QByteArray>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "catalogue/decode.h"

namespace {

// A 48 x 32 JPEG of a colour gradient, made once.
const QByteArray& sound_jpeg() {
    static const QByteArray bytes = [] {
        std::vector<unsigned char> pixels(48 * 32 * 3);
        for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<unsigned char>(i);
        tjhandle compressor = tjInitCompress();
        unsigned char* jpeg = nullptr;
        unsigned long size = 0;
        if (tjCompress2(compressor, pixels.data(), 48, 0, 32, TJPF_RGB, &jpeg, &size, TJSAMP_420,
                        90, 0) != 0)
            std::abort();
        QByteArray made(reinterpret_cast<const char*>(jpeg), qsizetype(size));
        tjFree(jpeg);
        tjDestroy(compressor);
        return made;
    }();
    return bytes;
}

void check(bool ok, const char* what) {
    if (ok)
        return;
    std::fprintf(stderr, "jpeg_fuzz: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QImage picture = catalogue::decode_jpeg(input);
    check(picture.isNull() ||
              (picture.width() > 0 && picture.height() > 0 && catalogue::is_jpeg(input)),
          "a picture from bytes that are no JPEG");
    const QImage after = catalogue::decode_jpeg(sound_jpeg());
    check(after.size() == QSize(48, 32), "a sound JPEG failed after this input");
    return 0;
}
