#pragma once
// Finished pictures of elements, so a repaint blits instead of drawing
// paths and text again. Keyed by everything that shows, and only for the
// current size: a new scale starts afresh, so memory follows the window
// instead of every size it ever had. Within its byte budget the pictures
// used least recently go first; a picture too large to keep (a huge
// window) is drawn straight onto the target, so no frame can ask for more
// than the budget or empty it for the others.
#include <QByteArray>
#include <QCache>
#include <QImage>
#include <QSize>
#include <cstddef>

#include "app/present/viewport.h"

namespace zandovik::app {

class PictureCache {
 public:
  static constexpr std::size_t kMaxBytes = 32u << 20;
  static constexpr std::size_t kMaxPictureBytes = kMaxBytes / 8;

  PictureCache();
  static bool keeps(QSize picture) {
    return 4.0 * picture.width() * picture.height() <= static_cast<double>(kMaxPictureBytes);
  }
  // Keep the pictures only if they were drawn at this viewport.
  void use_for(const Viewport& vp);
  // The picture, now the most recently used; null if not kept.
  const QImage* find(const QByteArray& key);
  // Keeps a picture `keeps` allows, making room as needed.
  const QImage& put(const QByteArray& key, QImage img);
  std::size_t size() const { return static_cast<std::size_t>(images_.size()); }
  std::size_t bytes() const { return static_cast<std::size_t>(images_.totalCost()); }

 private:
  QCache<QByteArray, QImage> images_;  // the cost of each is its bytes
  double scale_ = 0;
};

}  // namespace zandovik::app
