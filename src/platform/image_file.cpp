#include "platform/image_file.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <cstring>

bool ReadImageFile(const char* path, int largestSide, std::vector<unsigned char>* pixels, int* width, int* height,
                   int* channels)
{
    if (!path || !pixels || !width || !height || !channels)
        return false;
    QImageReader reader(QFile::decodeName(path));
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (largestSide > 0 && size.isValid() && std::max(size.width(), size.height()) > largestSide)
        reader.setScaledSize(size.scaled(largestSide, largestSide, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull())
        return false;
    const bool alpha = image.hasAlphaChannel();
    image = image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const int w = image.width(), h = image.height(), n = alpha ? 4 : 3;
    const size_t row = size_t(w) * n;
    pixels->resize(row * size_t(h));
    for (int y = 0; y < h; ++y)
        std::memcpy(pixels->data() + row * size_t(y), image.constScanLine(y), row);
    *width = w;
    *height = h;
    *channels = n;
    return true;
}
