#include "app/editor/board_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace zandovik::app::editor {

using scene::Named;

BoardPicture::BoardPicture() {
  game::loadbricks(g_);
  game::sizeobjects(g_);
  game::start(g_);
  s_.pattern = 1;
  // Only the board, its bricks, the paddle and the ball: the logo's ball
  // waiting in the design would stand on the board.
  for (const scene::Element& e : ui_.elements())
    if (e.array == scene::Array::logoball) ui_.set_visible(e, false);
}

void BoardPicture::show(const game::Board& b) {
  for (int r = 0; r < kPatternRows; ++r) s_.levels[1][r + 1] = b.rows[static_cast<std::size_t>(r)];
  game::grid(g_);
  ui_.take_dirty();  // the view repaints whole; nothing to keep
}

scene::RectF BoardPicture::board() const {
  const auto& e = ui_.get(Named::board);
  return {e.left, e.top, e.width, e.height};
}

scene::RectF BoardPicture::cell(Cell c) const {
  const auto& e = ui_.get(Named::board);
  const float w = s_.brickwidth, h = s_.brickheight;
  return {e.left + static_cast<float>(c.col) * w,
          e.top + static_cast<float>(c.row + game::kFirstPatternRow - 1) * h, w, h};
}

BoardView::BoardView(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void BoardView::show_board(const game::Board& b) {
  picture_.show(b);
  update();
}

void BoardView::set_cursor(Cell c) {
  c.col = std::clamp(c.col, 0, kCols - 1);
  c.row = std::clamp(c.row, 0, kPatternRows - 1);
  if (c == cursor_) return;
  cursor_ = c;
  update();
  if (on_cursor) on_cursor(c);
}

Viewport BoardView::viewport(QSize device) const {
  return Viewport::fit(device, picture_.board());
}

void BoardView::paintEvent(QPaintEvent*) {
  const PixelRatio pr{devicePixelRatioF()};
  const QSize device = pr.device(size());
  const Viewport vp = viewport(device);
  QPainter p(this);
  p.scale(1 / pr.dpr, 1 / pr.dpr);  // draw in device pixels: crisp at any scale
  p.fillRect(QRect(QPoint(0, 0), device), kLetterbox);
  cache_.use_for(vp);
  const scene::RectF b = picture_.board();
  const QRect board = vp.rect(b.x, b.y, b.w, b.h);
  p.setClipRect(board);
  PaintOptions opts;
  opts.buttons = false;
  opts.cache = &cache_;
  paint_scene(p, picture_.scene(), vp, board, opts);

  // The rows a board file holds, and the cursor's cell.
  const scene::RectF first = picture_.cell({0, 0});
  const QRect rows = vp.rect(first.x, first.y, first.w * kCols, first.h * kPatternRows);
  const int line = std::max(1, static_cast<int>(std::lround(pr.dpr)));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(60, 90, 60, 160), line, Qt::DashLine));
  p.drawRect(rows.adjusted(0, 0, -line, -line));
  const scene::RectF c = picture_.cell(cursor_);
  const QRect cell = vp.rect(c.x, c.y, c.w, c.h);
  // Black around white: seen on every brick colour and on the board.
  const QRect ring = cell.adjusted(2 * line, 2 * line, -2 * line, -2 * line);
  p.setPen(QPen(Qt::black, 5 * line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(ring);
  p.setPen(QPen(Qt::white, 2 * line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(ring);
}

void BoardView::keyPressEvent(QKeyEvent* ev) {
  const int key = ev->key();
  if (ev->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return QWidget::keyPressEvent(ev);
  Cell c = cursor_;
  switch (key) {
    case Qt::Key_Left:
      --c.col;
      break;
    case Qt::Key_Right:
      ++c.col;
      break;
    case Qt::Key_Up:
      --c.row;
      break;
    case Qt::Key_Down:
      ++c.row;
      break;
    default:
      if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        chosen_ = key - Qt::Key_0;
        if (on_chosen) on_chosen(chosen_);
        if (on_paint) on_paint(cursor_, chosen_, true);
        return;
      }
      return QWidget::keyPressEvent(ev);
  }
  set_cursor(c);
}

std::optional<Cell> BoardView::cell_at(QPointF logical) const {
  const PixelRatio pr{devicePixelRatioF()};
  const Viewport vp = viewport(pr.device(size()));
  const QRectF t = vp.to_twips(logical * pr.dpr);
  const scene::RectF first = picture_.cell({0, 0});
  const int col = static_cast<int>(std::floor((t.x() - first.x) / first.w));
  const int row = static_cast<int>(std::floor((t.y() - first.y) / first.h));
  if (col < 0 || col >= kCols || row < 0 || row >= kPatternRows) return std::nullopt;
  return Cell{col, row};
}

void BoardView::paint_at(QPointF logical, bool begins) {
  const auto c = cell_at(logical);
  if (!c) {
    left_rows_ = true;  // back in, the stroke goes on from where it comes in
    return;
  }
  if (!begins && last_painted_ == c) return;
  // The pointer can cross several cells between two events: paint the
  // cells on the line between, as the hand went.
  std::vector<Cell> cells{*c};
  if (!begins && last_painted_ && !left_rows_) {
    cells.clear();
    const int dc = c->col - last_painted_->col, dr = c->row - last_painted_->row;
    const int n = std::max(std::abs(dc), std::abs(dr));
    for (int i = 1; i <= n; ++i)
      cells.push_back({last_painted_->col + static_cast<int>(std::lround(dc * i / double(n))),
                       last_painted_->row + static_cast<int>(std::lround(dr * i / double(n)))});
  }
  last_painted_ = c;
  left_rows_ = false;
  set_cursor(*c);
  for (std::size_t i = 0; i < cells.size(); ++i)
    if (on_paint) on_paint(cells[i], drag_value_, begins && i == 0);
}

void BoardView::mousePressEvent(QMouseEvent* ev) {
  setFocus(Qt::MouseFocusReason);
  if (ev->button() != Qt::LeftButton && ev->button() != Qt::RightButton) return;
  drag_value_ = ev->button() == Qt::LeftButton ? chosen_ : 0;
  last_painted_.reset();
  paint_at(ev->position(), true);
}

void BoardView::mouseMoveEvent(QMouseEvent* ev) {
  if (drag_value_ < 0) return;
  // A press outside the rows begins the stroke at the first cell it reaches.
  paint_at(ev->position(), !last_painted_.has_value());
}

void BoardView::mouseReleaseEvent(QMouseEvent* ev) {
  if (ev->buttons() == Qt::NoButton) drag_value_ = -1;
}

}  // namespace zandovik::app::editor
