#include "platform/large_image.h"

#include <cstdlib>
#include <sys/mman.h>

namespace zorva {

namespace {

constexpr std::size_t HugePageBytes = std::size_t{2} << 20;

void FreeImageMemory(void* memory) {
    std::free(memory);
}

} // namespace

QImage NewLargeImage(int width, int height, QImage::Format format) {
    const QImage shape(1, 1, format);
    const qsizetype bytesPerLine = ((qsizetype{width} * shape.depth() + 31) / 32) * 4;
    const std::size_t bytes = static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(height);
    const std::size_t rounded = (bytes + HugePageBytes - 1) / HugePageBytes * HugePageBytes;
    void* memory = width > 0 && height > 0 ? std::aligned_alloc(HugePageBytes, rounded) : nullptr;
    if (memory == nullptr)
        return QImage(width, height, format);
    // Only advice: where the kernel has no huge pages to give, the memory comes in ordinary pages.
    madvise(memory, rounded, MADV_HUGEPAGE);
    return QImage(static_cast<uchar*>(memory), width, height, bytesPerLine, format, FreeImageMemory, memory);
}

} // namespace zorva
