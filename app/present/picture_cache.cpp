#include "app/present/picture_cache.h"

#include <utility>

namespace zandovik::app {

PictureCache::PictureCache() : images_(static_cast<qsizetype>(kMaxBytes)) {}

void PictureCache::use_for(const Viewport& vp) {
  if (vp.scale == scale_) return;
  scale_ = vp.scale;
  images_.clear();
}

const QImage* PictureCache::find(const QByteArray& key) {
  return images_.object(key);
}

const QImage& PictureCache::put(const QByteArray& key, QImage img) {
  const qsizetype cost = img.sizeInBytes() + key.size();
  auto* kept = new QImage(std::move(img));
  // `keeps` held the picture to an eighth of the budget, so it goes in.
  images_.insert(key, kept, cost);
  return *kept;
}

}  // namespace zandovik::app
