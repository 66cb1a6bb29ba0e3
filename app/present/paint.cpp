#include "app/present/paint.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <QTextOption>
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "app/present/fonts.h"

namespace zandovik::app {

using scene::Element;
using scene::Kind;
using scene::Named;
using scene::ShapeType;

QColor to_qcolor(scene::Rgb c) {
  return QColor(c.r, c.g, c.b);
}

namespace {

void paint_shape(QPainter& p, const Element& e, const Viewport& vp) {
  QRect r = vp.rect(e);
  const QColor fill = to_qcolor(e.back_color);
  const int bw = e.has_border ? vp.px(e.border_width * kTwipsPerPixel) : 0;
  switch (e.shape) {
    case ShapeType::Rectangle: {
      const QRect inner = r.adjusted(bw, bw, -bw, -bw);
      if (!e.has_border || inner.isEmpty()) {
        p.fillRect(r, e.has_border ? to_qcolor(e.border_color) : fill);
        break;
      }
      // The border as four strips: the board is most of the window, and
      // filling it twice was most of the first frame's filling.
      const QColor line = to_qcolor(e.border_color);
      p.fillRect(QRect(r.left(), r.top(), r.width(), bw), line);
      p.fillRect(QRect(r.left(), inner.bottom() + 1, r.width(), r.bottom() - inner.bottom()), line);
      p.fillRect(QRect(r.left(), inner.top(), bw, inner.height()), line);
      p.fillRect(QRect(inner.right() + 1, inner.top(), r.right() - inner.right(), inner.height()),
                 line);
      p.fillRect(inner, fill);
      break;
    }
    case ShapeType::RoundedRectangle:
    case ShapeType::Circle: {
      p.setRenderHint(QPainter::Antialiasing, true);
      QRectF rf(r.x(), r.y(), r.width() + 1, r.height() + 1);
      if (e.shape == ShapeType::Circle) {
        // A circle fills the shorter side of its box, centred.
        double d = std::min(rf.width(), rf.height());
        rf = QRectF(rf.center().x() - d / 2, rf.center().y() - d / 2, d, d);
      }
      rf.adjust(bw / 2.0, bw / 2.0, -bw / 2.0, -bw / 2.0);
      p.setPen(e.has_border ? QPen(to_qcolor(e.border_color), bw) : Qt::NoPen);
      p.setBrush(fill);
      if (e.shape == ShapeType::Circle) {
        p.drawEllipse(rf);
      } else {
        double radius = std::min(rf.width(), rf.height()) / 4;
        p.drawRoundedRect(rf, radius, radius);
      }
      p.setRenderHint(QPainter::Antialiasing, false);
      break;
    }
  }
}

void paint_label(QPainter& p, const Element& e, const Viewport& vp) {
  QRect r = vp.rect(e);
  if (!e.transparent) p.fillRect(r, to_qcolor(e.back_color));
  int bw = 0;
  if (e.has_border) {
    bw = vp.px(kTwipsPerPixel);
    p.setPen(Qt::NoPen);
    const QColor line(0, 0, 0);
    p.fillRect(QRect(r.left(), r.top(), r.width(), bw), line);
    p.fillRect(QRect(r.left(), r.bottom() - bw + 1, r.width(), bw), line);
    p.fillRect(QRect(r.left(), r.top(), bw, r.height()), line);
    p.fillRect(QRect(r.right() - bw + 1, r.top(), bw, r.height()), line);
  }
  if (e.caption.empty()) return;
  p.setFont(scene_font(e.font, vp));
  p.setPen(to_qcolor(e.fore_color));
  QRect inner = r.adjusted(bw, bw, -bw, -bw);
  int flags = Qt::TextWordWrap;
  switch (e.align) {
    case scene::Align::Left:
      flags |= Qt::AlignLeft | Qt::AlignTop;
      break;
    case scene::Align::Right:
      flags |= Qt::AlignRight | Qt::AlignTop;
      break;
    // A centred label here is a brick: its digit sits in the middle.
    case scene::Align::Center:
      flags |= Qt::AlignHCenter | Qt::AlignVCenter;
      break;
  }
  const QString text = QString::fromStdString(e.caption);
  if (e.autosize) {
    // The box follows the text: draw it from the label's corner, whole.
    p.drawText(QRect(inner.left(), inner.top(), vp.target.width(), inner.height() * 2),
               (flags & ~Qt::TextWordWrap & ~Qt::AlignRight) | Qt::AlignLeft, text);
    return;
  }
  p.save();
  p.setClipRect(inner, Qt::IntersectClip);
  p.drawText(inner, flags, text);
  p.restore();
}

// Everything that decides how an element looks at this size.
std::string look_key(const Element& e, const QRect& r, bool pressed) {
  std::string k;
  k.reserve(96);
  auto add = [&k](long v) {
    k += std::to_string(v);
    k += ',';
  };
  add(static_cast<long>(e.kind));
  add(static_cast<long>(e.shape));
  add(r.width());
  add(r.height());
  add((e.back_color.r << 16) | (e.back_color.g << 8) | e.back_color.b);
  add((e.fore_color.r << 16) | (e.fore_color.g << 8) | e.fore_color.b);
  add((e.border_color.r << 16) | (e.border_color.g << 8) | e.border_color.b);
  add(e.has_border ? e.border_width : 0);
  add(e.transparent);
  add(e.autosize);
  add(static_cast<long>(e.align));
  add(pressed);
  add(std::lround(e.font.size_pt * 100));
  add(e.font.bold);
  k += e.font.family;
  k += '|';
  k += e.caption;
  return k;
}

void paint_uncached(QPainter& p, const Element& e, const Viewport& vp, bool pressed) {
  if (e.kind == Kind::Shape) {
    paint_shape(p, e, vp);
  } else if (e.kind == Kind::Label) {
    paint_label(p, e, vp);
  } else {
    paint_button(p, e, vp, pressed);
  }
}

// Plain rectangles and empty labels are a fill or two: cheaper than a blit.
bool worth_caching(const Element& e) {
  if (e.kind == Kind::Shape) return e.shape != ShapeType::Rectangle;
  if (e.kind == Kind::Label) return !e.caption.empty();
  return e.kind == Kind::Button;
}

void paint_element(QPainter& p, const Element& e, const Viewport& vp, PictureCache* cache,
                   bool pressed) {
  if (!cache || !worth_caching(e)) {
    paint_uncached(p, e, vp, pressed);
    return;
  }
  const QRect r = vp.rect(e);
  const QByteArray key = QByteArray::fromStdString(look_key(e, r, pressed));
  const QImage* img = cache->find(key);
  if (!img) {
    QSize size(r.width() + 2, r.height() + 2);
    if (e.autosize) {
      // An auto-sized label's text may reach past its box: as far as the
      // text does, no further.
      const QFontMetrics fm(scene_font(e.font, vp));
      const QRect text = fm.boundingRect(QString::fromStdString(e.caption));
      size = size.expandedTo(QSize(text.width() + vp.px(2 * kTwipsPerPixel) + 4,
                                   fm.height() + vp.px(2 * kTwipsPerPixel) + 4));
    }
    if (!PictureCache::keeps(size)) {
      paint_uncached(p, e, vp, pressed);
      return;
    }
    QImage fresh(size, QImage::Format_ARGB32_Premultiplied);
    if (fresh.isNull()) {
      // No memory for the picture: draw straight onto the target instead.
      paint_uncached(p, e, vp, pressed);
      return;
    }
    fresh.fill(Qt::transparent);
    QPainter ip(&fresh);
    // The viewport of the screen, moved by whole pixels: every edge rounds
    // as it does when drawn straight.
    ip.translate(-r.left(), -r.top());
    paint_uncached(ip, e, vp, pressed);
    ip.end();
    img = &cache->put(key, std::move(fresh));
  }
  p.drawImage(r.topLeft(), *img);
}

}  // namespace

void paint_button(QPainter& p, const Element& e, const Viewport& vp, bool pressed) {
  QRect r = vp.rect(e);
  const int bw = std::max(1, vp.px(kTwipsPerPixel));
  const QColor face(225, 225, 225), light(255, 255, 255), shadow(120, 120, 120), dark(40, 40, 40);
  p.fillRect(r, dark);
  QRect in = r.adjusted(0, 0, -bw, -bw);
  p.fillRect(in, pressed ? shadow : light);
  QRect body = in.adjusted(bw, bw, 0, 0);
  p.fillRect(body, pressed ? light : shadow);
  QRect face_rect = body.adjusted(0, 0, -bw, -bw);
  if (pressed) face_rect = body.adjusted(bw, bw, 0, 0);
  p.fillRect(face_rect, face);
  QFont font = scene_font(e.font, vp);
  p.setFont(font);
  p.setPen(QColor(0, 0, 0));
  QRect text_rect = face_rect.adjusted(2 * bw, 2 * bw, -2 * bw, -2 * bw);
  if (pressed) text_rect.translate(bw, bw);
  const QString text = QString::fromStdString(e.caption);
  // Shrink the face only when even a wrapped caption cannot fit.
  for (int i = 0; i < 8; ++i) {
    QRect need = p.fontMetrics().boundingRect(text_rect, Qt::TextWordWrap | Qt::AlignCenter, text);
    if (need.width() <= text_rect.width() && need.height() <= text_rect.height()) break;
    font.setPixelSize(std::max(1, font.pixelSize() * 9 / 10));
    p.setFont(font);
  }
  p.save();
  p.setClipRect(face_rect, Qt::IntersectClip);
  p.drawText(text_rect, Qt::TextWordWrap | Qt::AlignCenter, text);
  p.restore();
}

void prepare_buttons(const scene::Scene& s, const Viewport& vp, PictureCache& cache) {
  cache.use_for(vp);
  QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&scratch);
  for (Named n : scene::kButtons)
    for (bool pressed : {false, true}) paint_element(p, s.get(n), vp, &cache, pressed);
}

void paint_scene(QPainter& p, const scene::Scene& s, const Viewport& vp, const QRect& clip,
                 PaintOptions opts) {
  if (opts.cache) opts.cache->use_for(vp);
  auto cache_for = [&opts](const Element& e) {
    return opts.text_straight && e.kind != Kind::Shape && !e.transparent ? nullptr : opts.cache;
  };
  p.save();
  p.setClipRect(clip);
  const QRect client = vp.client();
  if (!client.contains(clip)) {
    p.fillRect(clip, kLetterbox);
  }
  // The window's face, except under the larger opaque boxes (the board, the
  // header's panels) that cover it anyway; looked for only when a large
  // part of the window is painted.
  const QRect inside = client.intersected(clip);
  QRegion face(inside);
  const int large = client.width() * client.height() / 64;
  for (const Element* e : s.paint_order()) {
    if (inside.width() * inside.height() < 4 * large) break;
    const bool opaque = e->kind == Kind::Shape ? e->shape == ShapeType::Rectangle : !e->transparent;
    if (!opaque || e->autosize) continue;
    const QRect r = vp.rect(*e);
    if (r.width() * r.height() < large || !r.intersects(clip)) continue;
    if (opts.drawn && std::any_of(opts.drawn->begin(), opts.drawn->end(),
                                  [e](const DrawnAt& d) { return d.e == e; }))
      continue;  // drawn elsewhere this frame
    face -= r;
  }
  for (const QRect& r : face) p.fillRect(r, to_qcolor(scene::kDefaultFace));
  p.setClipRect(inside);
  // The clip in twips, with room for edges and rounding: most elements are
  // left out by four comparisons.
  const double margin = 8 / vp.scale;
  const double cx0 = (clip.left() - vp.ox) / vp.scale - margin;
  const double cy0 = (clip.top() - vp.oy) / vp.scale - margin;
  const double cx1 = (clip.right() + 1 - vp.ox) / vp.scale + margin;
  const double cy1 = (clip.bottom() + 1 - vp.oy) / vp.scale + margin;
  auto far = [&](float left, float top, const Element& e) {
    return !e.autosize && (left > cx1 || top > cy1 || left + e.width < cx0 || top + e.height < cy0);
  };
  for (const Element* e : s.paint_order()) {
    if (!opts.drawn && far(e->left, e->top, *e)) continue;
    const DrawnAt* moved = nullptr;
    if (opts.drawn)
      for (const DrawnAt& d : *opts.drawn)
        if (d.e == e) moved = &d;
    if (moved) {
      Element at = *e;
      at.left = moved->left;
      at.top = moved->top;
      if (vp.rect(at).adjusted(-2, -2, 2, 2).intersects(clip))
        paint_element(p, at, vp, cache_for(at), false);
      continue;
    }
    if (!vp.rect(*e).adjusted(-2, -2, 2, 2).intersects(clip) && !e->autosize) continue;
    paint_element(p, *e, vp, cache_for(*e), false);
  }
  if (opts.buttons) {
    // Buttons stand above every shape and label, front row last.
    std::array<const Element*, 3> buttons = {&s.get(scene::Named::pause),
                                             &s.get(scene::Named::gameover),
                                             &s.get(scene::Named::nextlevel)};
    std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->z < b->z; });
    for (const Element* e : buttons)
      if (e->visible && vp.rect(*e).intersects(clip))
        paint_element(p, *e, vp, cache_for(*e), e == opts.pressed);
  }
  p.restore();
}

}  // namespace zandovik::app
