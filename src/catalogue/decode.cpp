#include "catalogue/decode.h"

#include <turbojpeg.h>

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <vector>

namespace catalogue {
namespace {

// Qt's own limit for a picture it reads: a header may claim any size.
constexpr qint64 largest_picture_bytes = qint64(256) << 20;

// One decompressor per thread (the check decodes on every core), made anew after a failure:
// some damaged headers ("\xFF\xD8\xFF" and garbage) leave libjpeg-turbo 2.1's decompressor in a
// state that fails every picture after them.
class Decompressor {
public:
    ~Decompressor() { discard(); }
    tjhandle get() {
        if (!handle_)
            handle_ = tjInitDecompress();
        return handle_;
    }
    void discard() {
        if (handle_)
            tjDestroy(handle_);
        handle_ = nullptr;
    }

private:
    tjhandle handle_ = nullptr;
};
thread_local Decompressor decompressor;

// CMYK JPEGs (as Adobe writes them, inverted) turned into RGB the way Qt turns them.
QImage from_cmyk(const std::vector<unsigned char>& cmyk, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const unsigned char* in = cmyk.data();
    for (int y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x, in += 4) {
            const int k = in[3];
            out[x] = qRgb(k * in[0] / 255, k * in[1] / 255, k * in[2] / 255);
        }
    }
    return image;
}

QImage decode_with(tjhandle handle, QByteArrayView bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto size = static_cast<unsigned long>(bytes.size());
    int width = 0, height = 0, subsampling = 0, colour_space = 0;
    if (tjDecompressHeader3(handle, data, size, &width, &height, &subsampling, &colour_space) != 0)
        return {};
    if (width <= 0 || height <= 0 || qint64(width) * height * 4 > largest_picture_bytes)
        return {};
    // A warning (data ending early, corrupt data) ends the decoding as an error would.
    const int flags = TJFLAG_STOPONWARNING;
    if (colour_space == TJCS_CMYK || colour_space == TJCS_YCCK) {
        // libjpeg-turbo hands these out as CMYK only.
        std::vector<unsigned char> cmyk(std::size_t(width) * std::size_t(height) * 4);
        if (tjDecompress2(handle, data, size, cmyk.data(), width, width * 4, height, TJPF_CMYK,
                          flags) != 0)
            return {};
        return from_cmyk(cmyk, width, height);
    }
    const bool grey = colour_space == TJCS_GRAY;
    QImage image(width, height, grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    if (image.isNull())
        return {};
    // RGB32 is 0xffRRGGBB in native byte order; libjpeg-turbo sets the unused byte to 0xff.
    const int format = grey ? TJPF_GRAY : (Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? TJPF_BGRX : TJPF_XRGB);
    if (tjDecompress2(handle, data, size, image.bits(), width, int(image.bytesPerLine()), height,
                      format, flags) != 0)
        return {};
    return image;
}

}  // namespace

bool is_jpeg(QByteArrayView bytes) {
    return bytes.startsWith(QByteArrayView("\xFF\xD8", 2));
}

QImage decode_jpeg(QByteArrayView bytes) {
    tjhandle handle = decompressor.get();
    if (!handle || !is_jpeg(bytes))
        return {};
    QImage image = decode_with(handle, bytes);
    if (image.isNull())
        decompressor.discard();
    return image;
}

QImage decode_picture(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) ||
        file.size() > largest_picture_bytes)
        return {};
    QByteArray bytes = file.readAll();
    if (is_jpeg(bytes))
        return decode_jpeg(bytes);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer).read();
}

}  // namespace catalogue
