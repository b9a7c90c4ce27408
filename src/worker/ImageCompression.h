#pragma once

// Recompression of the images of an output PDF.
//
// Runs on the worker's job thread, which alone touches qpdf objects: stream data is
// read out and written back there, while decoding, downsampling and JPEG
// encoding run on the global thread pool, on all cores. Pictures go to the pool
// as the decoded pixels they will need allow, so a compression holds a bounded
// number of decoded pictures at a time, never the whole file's.

#include "document/DocumentTypes.h"
#include "platform/Async.h"

#include <vector>

class QPDFObjectHandle;

namespace ImageCompression {

struct Report
{
    int examined = 0; // distinct images reachable from the pages
    int replaced = 0; // images written anew
    bool canceled = false;
};

// Every image drawn by `pages` (also inside form XObjects) whose colours can be
// read is scaled down so its longer side is at most step.maxPixels and stored
// as JPEG at step.jpegQuality, in the colour space it had: grey, RGB, CMYK, ICC
// based or calibrated, or the colour space under a palette (the palette is
// resolved). Samples of 1 to 16 bits, decode arrays, JPEG and JPEG 2000
// sources are read. A picture premultiplied with its soft mask (/Matte) is
// divided out first. Soft masks are scaled down too and kept lossless. An image
// is replaced only where the new streams are smaller than the old ones; one
// shared by several pages is done once.
//
// Left as they are: stencil masks, colour-keyed images, bilevel pictures (1-bit
// grey, two-colour palettes, JBIG2 and CCITT scans: JPEG would blur their text
// for little gain), colour spaces without a fixed number of plain components
// (Separation, DeviceN, Lab), and streams that can't be decoded or whose decode
// parameters don't match the image.
//
// Stops between pictures when `cancel` is set. Throws qpdf's exceptions only
// for a broken page tree.
Report compressImages(const std::vector<QPDFObjectHandle> &pages, const CompressionStep &step,
                      const CancelToken &cancel);

} // namespace ImageCompression
