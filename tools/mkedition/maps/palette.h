// The maps' one palette, designed from the map style: the ground tints at every shade, the sea,
// the lines, the inks fading into their halo, the dots. The place dot colour has an entry of its
// own that only the dots use, and no other entry comes near it.
#pragma once

#include <QImage>
#include <QVector>
#include <cstdint>
#include <vector>

class MapPalette {
  public:
    MapPalette();

    const QVector<QRgb>& colours() const { return colours_; }
    uint8_t placeDotIndex() const { return placeDot_; }
    // The nearest entry other than the place dot's.
    uint8_t nearest(QRgb colour) const;
    // The entry of a colour the style names (its exact entry).
    uint8_t indexOf(QRgb colour) const;

  private:
    void add(QRgb colour);

    QVector<QRgb> colours_;
    uint8_t placeDot_ = 0;
    mutable std::vector<int16_t> cache_;  // nearest entry by 24-bit colour, -1 until known
};

// Base and overlay to palette entries: where the overlay (lines, lettering) is clear the ground
// is ordered-dithered, so its smooth shading survives the palette; the overlay's own pixels
// are matched plainly, so lettering stays crisp. base is RGB32, overlay premultiplied ARGB32.
QImage Quantise(const QImage& base, const QImage& overlay, const MapPalette& palette);
