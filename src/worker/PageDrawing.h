#pragma once

// Draws the pages of one document with Poppler's own renderer, keeping one parsed
// document and one output device for all its pages, as Poppler's command-line
// tools do. The Qt binding makes a fresh device for every page, so every page
// read its embedded fonts and built its glyphs anew: about a third of the time
// of a thumbnail. The drawing itself is the binding's: white paper, smoothed
// shapes and text, no hinting, every annotation shown.
//
// Poppler's global settings belong to its Qt binding, which makes them with its
// first document and drops them with its last: keep a Poppler::Document open
// for as long as a PageDrawing lives.

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <memory>
#include <optional>

class PDFDoc;
class SplashOutputDev;

class PageDrawing
{
public:
    // Reads `bytes`, which must outlive this, without copying them; `password`
    // is the one that unlocked them, absent when they were never locked.
    PageDrawing(const QByteArray &bytes, const std::optional<QByteArray> &password);
    ~PageDrawing();
    PageDrawing(const PageDrawing &) = delete;
    PageDrawing &operator=(const PageDrawing &) = delete;

    // Page `index` (from 0) at `dpi`, turned by `turn` degrees (0, 90, 180 or
    // 270) beyond its own rotation, cut to the `pixels` at its top left; the
    // crop box is the page. RGB32; null when the page can't be drawn.
    QImage draw(int index, double dpi, int turn, QSize pixels);

private:
    std::unique_ptr<PDFDoc> m_document;
    std::unique_ptr<SplashOutputDev> m_device;
};
