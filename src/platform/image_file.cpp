#include "platform/image_file.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cstring>
#include <mutex>

namespace {

void SetAllocationLimit()
{
    static std::once_flag once;
    std::call_once(once, [] { QImageReader::setAllocationLimit(kImageAllocationLimitMiB); });
}

}  // namespace

bool DecodeImage(const std::string& bytes, const char* format, int largestSide, DecodedImage* image,
                 std::string* problem)
{
    const auto fail = [problem](const std::string& why) {
        if (problem)
            *problem = why;
        return false;
    };
    if (!image || !format)
        return fail("Nothing to decode.");
    SetAllocationLimit();
    const QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer;
    buffer.setData(data);
    if (!buffer.open(QIODevice::ReadOnly))
        return fail("The picture cannot be read.");
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(false);
    if (!reader.canRead())
        return fail("The picture's data cannot be decoded.");
    const QSize size = reader.size();
    if (largestSide > 0 && size.isValid() && std::max(size.width(), size.height()) > largestSide) {
        QSize scaled = size.scaled(largestSide, largestSide, Qt::KeepAspectRatio);
        scaled = scaled.expandedTo(QSize(1, 1));
        reader.setScaledSize(scaled);
    }
    QImage decoded = reader.read();
    if (decoded.isNull()) {
        if (reader.error() == QImageReader::InvalidDataError && size.isValid() &&
            qint64(size.width()) * size.height() * 4 > qint64(kImageAllocationLimitMiB) << 20)
            return fail("The picture is too large to decode (" + std::to_string(size.width()) + " x " +
                        std::to_string(size.height()) + " pixels).");
        return fail("The picture's data cannot be decoded (" + reader.errorString().toStdString() + ").");
    }
    const bool alpha = decoded.hasAlphaChannel();
    decoded = decoded.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    if (decoded.isNull())
        return fail("The picture is too large to decode.");
    DecodedImage out;
    out.width = decoded.width();
    out.height = decoded.height();
    out.channels = alpha ? 4 : 3;
    const size_t row = size_t(out.width) * size_t(out.channels);
    out.pixels.resize(row * size_t(out.height));
    for (int y = 0; y < out.height; ++y)
        std::memcpy(out.pixels.data() + row * size_t(y), decoded.constScanLine(y), row);
    *image = std::move(out);
    return true;
}
