#pragma once
// The board as the game draws it: the game's own procedures build its
// bricks on a Scene and the game's painter draws them, at the view's size,
// in the board's proportions. A cell cursor on top; keys and the mouse in.
#include <QWidget>
#include <functional>
#include <optional>

#include "app/editor/model.h"
#include "app/editor/null_services.h"
#include "app/present/paint.h"
#include "app/present/picture_cache.h"
#include "app/present/viewport.h"

namespace zandovik::app::editor {

// The game's bricks for one board: built by loadbricks, sizeobjects and
// start once, and by grid for each board shown, exactly as a level begins.
class BoardPicture {
 public:
  BoardPicture();
  void show(const game::Board& b);
  const scene::Scene& scene() const { return ui_; }
  // The board's rectangle and one cell's, in twips.
  scene::RectF board() const;
  scene::RectF cell(Cell c) const;

 private:
  game::GameState s_;
  scene::Scene ui_;
  scene::Rng rng_;
  NullServices host_;
  game::Game g_{s_, ui_, rng_, host_};
};

class BoardView : public QWidget {
 public:
  explicit BoardView(QWidget* parent = nullptr);

  void show_board(const game::Board& b);
  Cell cursor() const { return cursor_; }
  void set_cursor(Cell c);
  int chosen() const { return chosen_; }

  // A cell painted with a value; `stroke_begins` for a key or a press, not
  // for the rest of a drag.
  std::function<void(Cell, int value, bool stroke_begins)> on_paint;
  // The chosen value changed (a digit key), or the cursor moved.
  std::function<void(int)> on_chosen;
  std::function<void(Cell)> on_cursor;

  QSize sizeHint() const override { return {760, 520}; }
  QSize minimumSizeHint() const override { return {200, 140}; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void keyPressEvent(QKeyEvent* ev) override;
  void mousePressEvent(QMouseEvent* ev) override;
  void mouseMoveEvent(QMouseEvent* ev) override;
  void mouseReleaseEvent(QMouseEvent* ev) override;

 private:
  // The board fills the view (in device pixels), centred.
  Viewport viewport(QSize device) const;
  std::optional<Cell> cell_at(QPointF logical) const;
  void paint_at(QPointF logical, bool begins);

  BoardPicture picture_;
  PictureCache cache_;
  Cell cursor_;
  int chosen_ = 1;
  int drag_value_ = -1;  // the value a held button paints, -1 none
  std::optional<Cell> last_painted_;
  bool left_rows_ = false;  // the drag went out of the rows since last_painted_
};

}  // namespace zandovik::app::editor
