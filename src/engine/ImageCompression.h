#pragma once

// Recompression of the images of an output PDF.
//
// Runs on the engine's thread, which alone touches qpdf objects: stream data is
// read out and written back there, while decoding, downsampling and JPEG
// encoding run on the global thread pool, on all cores.

#include "document/DocumentTypes.h"
#include "platform/Async.h"

#include <vector>

class QPDFObjectHandle;

namespace ImageCompression {

struct Report
{
    int examined = 0;  // distinct images reachable from the pages
    int replaced = 0;  // images written anew as JPEG
    bool canceled = false;
};

// Every image drawn by `pages` (also inside form XObjects) whose longer side
// exceeds step.maxPixels is downsampled to it and stored as JPEG at
// step.jpegQuality; smaller ones are stored as JPEG only where that is smaller.
// Soft masks larger than the cap are downsampled too, and kept lossless.
// An image shared by several pages is done once. Image masks, colour-keyed
// images, inverting decode arrays, soft masks with a matte, colour spaces other
// than grey and RGB, and streams that cannot be decoded are left as they are.
// Stops between batches when `cancel` is set. Throws qpdf's exceptions only for
// a broken page tree.
Report compressImages(const std::vector<QPDFObjectHandle> &pages, const CompressionStep &step,
                      const CancelToken &cancel);

} // namespace ImageCompression
