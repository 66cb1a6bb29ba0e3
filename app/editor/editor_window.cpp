#include "app/editor/editor_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/editor/board_view.h"
#include "app/editor/commands.h"
#include "app/editor/save.h"
#include "app/editor/trial.h"

namespace zandovik::app::editor {

namespace {

// The name field: Enter keeps the name, Escape puts it back; either way
// the keys go back to the board.
class NameEdit : public QLineEdit {
 public:
  std::function<void()> on_done;
  std::function<void()> on_cancel;

 protected:
  void keyPressEvent(QKeyEvent* ev) override {
    if (ev->key() == Qt::Key_Escape) return on_cancel();
    if (ev->key() == Qt::Key_Return || ev->key() == Qt::Key_Enter) return on_done();
    QLineEdit::keyPressEvent(ev);
  }
};

QToolButton* button(const QString& text, const QString& tip, QAction* action) {
  auto* b = new QToolButton;
  b->setText(text);
  b->setToolTip(tip + "  (" + action->shortcut().toString(QKeySequence::NativeText) + ")");
  b->setFocusPolicy(Qt::NoFocus);
  b->setAutoRaise(false);
  QObject::connect(b, &QToolButton::clicked, action, &QAction::trigger);
  return b;
}

QString board_label(const game::Board& b, int i) {
  return b.name.empty() ? QObject::tr("%1").arg(i + 1)
                        : QObject::tr("%1  %2").arg(i + 1).arg(QString::fromStdString(b.name));
}

}  // namespace

// The keys, also in the man page and the README.
static const char* const kHelp =
    "<b>Keys</b><table cellspacing=1>"
    "<tr><td>Arrows</td><td>move the cursor</td></tr>"
    "<tr><td>0 – 9</td><td>set the cell; the mouse paints it</td></tr>"
    "<tr><td>Left drag</td><td>paint &nbsp;·&nbsp; Right drag: clear</td></tr>"
    "<tr><td>PgDn / PgUp</td><td>next / previous board</td></tr>"
    "<tr><td>Ctrl+N / Ctrl+D</td><td>add / duplicate a board</td></tr>"
    "<tr><td>Ctrl+Del</td><td>delete the board</td></tr>"
    "<tr><td>Ctrl+↑ / Ctrl+↓</td><td>move the board</td></tr>"
    "<tr><td>F2</td><td>rename (Enter keeps it)</td></tr>"
    "<tr><td>Ctrl+Z / Ctrl+Shift+Z</td><td>undo / redo</td></tr>"
    "<tr><td>F5</td><td>play the board</td></tr>"
    "<tr><td>Ctrl+S / Ctrl+Q</td><td>save / quit</td></tr></table>"
    "<p>0 is no brick, 1–8 the hits a brick takes, 9 the unbreakable “!”.</p>";

EditorWindow::EditorWindow(game::BoardSet set, QString path, QString note)
    : model_(std::move(set)), path_(std::move(path)), note_(std::move(note)) {
  view_ = new BoardView;
  view_->on_paint = [this](Cell c, int value, bool begins) { paint(c, value, begins); };
  view_->on_chosen = [this](int) { show_place(); };
  view_->on_cursor = [this](Cell) { show_place(); };
  auto* central = new QWidget;
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addWidget(view_, 1);
  row->addWidget(build_side_panel());
  setCentralWidget(central);
  build_actions();
  connect(&stack_, &QUndoStack::indexChanged, this, [this] {
    current_ = model_.touched();
    refresh();
  });
  connect(&stack_, &QUndoStack::cleanChanged, this, [this] { refresh(); });
  trial_ = std::make_unique<Trial>([this](const QString& text, bool problem) {
    say(text, problem);
    if (!problem) activateWindow();
  });
  resize(1040, 600);
  refresh();
  view_->setFocus();
}

EditorWindow::~EditorWindow() = default;

QWidget* EditorWindow::build_side_panel() {
  auto* panel = new QWidget;
  panel->setFixedWidth(290);
  auto* col = new QVBoxLayout(panel);
  title_ = new QLabel;
  title_->setTextFormat(Qt::RichText);
  col->addWidget(title_);
  list_ = new QListWidget;
  list_->setFocusPolicy(Qt::NoFocus);
  list_->setMinimumHeight(120);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int r) {
    if (r >= 0 && r != current_) go_to(r);
  });
  col->addWidget(list_, 1);
  col->addWidget(new QWidget);  // the buttons go here once the actions exist
  col->addWidget(new QLabel(tr("Name")));
  auto* name = new NameEdit;
  name->setMaxLength(static_cast<int>(game::kMaxBoardName));
  name->setPlaceholderText(tr("(none)"));
  name->on_done = [this] {
    rename_from_field();
    view_->setFocus();
  };
  name->on_cancel = [this] {
    name_->setText(QString::fromStdString(model_.board(current_).name));  // before it loses focus
    view_->setFocus();
  };
  connect(name, &QLineEdit::editingFinished, this, [this] { rename_from_field(); });
  name_ = name;
  col->addWidget(name_);
  message_ = new QLabel;
  message_->setWordWrap(true);
  message_->setMinimumHeight(48);
  message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  col->addWidget(message_);
  auto* help = new QLabel(tr(kHelp));
  help->setWordWrap(true);
  QFont small = help->font();
  small.setPointSizeF(small.pointSizeF() * 0.9);
  help->setFont(small);
  col->addWidget(help);
  return panel;
}

void EditorWindow::build_actions() {
  auto add = [this](QMenu* menu, const QString& text, QKeySequence key, auto slot) {
    auto* a = menu->addAction(text);
    a->setShortcut(key);
    // A name being typed belongs to the board it was typed for: kept
    // before any command moves to another.
    connect(a, &QAction::triggered, this, [this, slot] {
      commit_name();
      slot();
    });
    return a;
  };
  QMenu* file = menuBar()->addMenu(tr("&File"));
  add(file, tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { save(); });
  add(file, tr("&Play the board"), QKeySequence(Qt::Key_F5), [this] { play(); });
  file->addSeparator();
  add(file, tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });

  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  QAction* undo = stack_.createUndoAction(this, tr("&Undo"));
  undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  QAction* redo = stack_.createRedoAction(this, tr("&Redo"));
  redo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  edit->addAction(undo);
  edit->addAction(redo);

  QMenu* boards = menuBar()->addMenu(tr("&Board"));
  add(boards, tr("&Next"), QKeySequence(Qt::Key_PageDown), [this] { go_to(current_ + 1); });
  add(boards, tr("&Previous"), QKeySequence(Qt::Key_PageUp), [this] { go_to(current_ - 1); });
  boards->addSeparator();
  auto* a_add =
      add(boards, tr("&Add"), QKeySequence(Qt::CTRL | Qt::Key_N), [this] { add_board(false); });
  auto* a_dup = add(boards, tr("&Duplicate"), QKeySequence(Qt::CTRL | Qt::Key_D),
                    [this] { add_board(true); });
  auto* a_del = add(boards, tr("D&elete"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
                    [this] { delete_board(); });
  auto* a_up =
      add(boards, tr("Move &up"), QKeySequence(Qt::CTRL | Qt::Key_Up), [this] { move_board(-1); });
  auto* a_down = add(boards, tr("Move do&wn"), QKeySequence(Qt::CTRL | Qt::Key_Down),
                     [this] { move_board(1); });
  add(boards, tr("&Rename"), QKeySequence(Qt::Key_F2), [this] {
    name_->setFocus();
    name_->selectAll();
  });

  // The same by mouse, under the list.
  auto* buttons = new QWidget;
  auto* row = new QHBoxLayout(buttons);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(button(tr("Add"), tr("Add an empty board after this one"), a_add));
  row->addWidget(button(tr("Copy"), tr("Duplicate this board"), a_dup));
  row->addWidget(button(tr("Delete"), tr("Delete this board"), a_del));
  row->addWidget(button(tr("↑"), tr("Move this board up"), a_up));
  row->addWidget(button(tr("↓"), tr("Move this board down"), a_down));
  auto* col = static_cast<QVBoxLayout*>(list_->parentWidget()->layout());
  QLayoutItem* spot = col->itemAt(2);
  delete spot->widget();
  col->insertWidget(2, buttons);
}

void EditorWindow::refresh() {
  current_ = std::clamp(current_, 0, model_.count() - 1);
  const game::Board& b = model_.board(current_);
  view_->show_board(b);
  list_->blockSignals(true);
  while (list_->count() > model_.count()) delete list_->takeItem(list_->count() - 1);
  for (int i = 0; i < model_.count(); ++i) {
    const QString label = board_label(model_.board(i), i);
    if (i < list_->count())
      list_->item(i)->setText(label);
    else
      list_->addItem(label);
  }
  list_->setCurrentRow(current_);
  list_->blockSignals(false);
  if (!name_->hasFocus()) name_->setText(QString::fromStdString(b.name));
  show_place();
  setWindowTitle(tr("%1[*] — zandovik board editor").arg(QFileInfo(path_).fileName()));
  setWindowModified(!stack_.isClean());
  if (auto p = model_.problem())
    say(tr("Cannot be saved or played yet: %1").arg(QString::fromStdString(*p)), true);
  else if (!note_.isEmpty())
    say(note_, false);
  else
    say(stack_.isClean() ? tr("Saved.") : tr("Unsaved changes."), false);
}

void EditorWindow::show_place() {
  const Cell c = view_->cursor();
  title_->setText(
      tr("<b>Board %1</b> of %2 &nbsp;·&nbsp; cell %3, %4 &nbsp;·&nbsp; mouse paints %5")
          .arg(current_ + 1)
          .arg(model_.count())
          .arg(c.col + 1)
          .arg(c.row + 1)
          .arg(view_->chosen()));
}

void EditorWindow::say(const QString& text, bool problem) {
  message_->setStyleSheet(problem ? "color: #b00020;" : "");
  message_->setText(text);
}

void EditorWindow::go_to(int board) {
  if (board < 0 || board >= model_.count()) return;
  current_ = board;
  refresh();
}

void EditorWindow::paint(Cell c, int value, bool stroke_begins) {
  if (stroke_begins) ++stroke_;
  auto cmd = std::make_unique<PaintCells>(model_, current_, c, value, stroke_);
  note_.clear();
  if (cmd->changes())
    stack_.push(cmd.release());
  else
    refresh();
}

void EditorWindow::add_board(bool copy) {
  if (!model_.can_add())
    return say(tr("A set holds at most %1 boards.").arg(game::kMaxBoards), true);
  game::Board b = copy ? model_.board(current_) : empty_board();
  stack_.push(new InsertBoard(model_, current_ + 1, std::move(b),
                              copy ? tr("duplicate board") : tr("add board")));
}

void EditorWindow::delete_board() {
  if (!model_.can_remove()) return say(tr("A set keeps at least one board."), true);
  stack_.push(new RemoveBoard(model_, current_));
}

void EditorWindow::move_board(int by) {
  const int to = current_ + by;
  if (to < 0 || to >= model_.count()) return;
  stack_.push(new MoveBoard(model_, current_, to));
}

void EditorWindow::commit_name() {
  if (!name_->hasFocus()) return;
  rename_from_field();
  view_->setFocus();
}

void EditorWindow::rename_from_field() {
  const std::string name = clean_name(name_->text().toStdString());
  if (name == model_.board(current_).name) return;
  stack_.push(new RenameBoard(model_, current_, name));
}

void EditorWindow::play() {
  if (auto why = game::board_problem(model_.board(current_)))
    return say(
        tr("Board %1 cannot be played: %2").arg(current_ + 1).arg(QString::fromStdString(*why)),
        true);
  trial_->start(model_.board(current_), current_ + 1);
}

bool EditorWindow::save() {
  for (int i = 0; i < model_.count(); ++i)
    if (auto why = game::board_problem(model_.board(i))) {
      go_to(i);
      say(tr("Not saved: board %1 %2: %3")
              .arg(i + 1)
              .arg(model_.board(i).name.empty()
                       ? QString()
                       : "(" + QString::fromStdString(model_.board(i).name) + ")")
              .arg(QString::fromStdString(*why)),
          true);
      return false;
    }
  if (auto why = model_.problem()) {
    say(tr("Not saved: %1").arg(QString::fromStdString(*why)), true);
    return false;
  }
  const std::string text = game::format_boards(model_.set());
  QString why;
  if (!write_whole(path_, text, why)) {
    say(tr("Not saved: %1: %2. The file on disk is as it was.").arg(path_, why), true);
    return false;
  }
  note_.clear();
  stack_.setClean();
  refresh();
  return true;
}

void EditorWindow::closeEvent(QCloseEvent* ev) {
  if (stack_.isClean()) return ev->accept();
  const auto answer = QMessageBox::question(
      this, tr("Unsaved changes"),
      tr("The boards have changes that are not saved in %1.").arg(QFileInfo(path_).fileName()),
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  if (answer == QMessageBox::Discard || (answer == QMessageBox::Save && save()))
    ev->accept();
  else
    ev->ignore();
}

}  // namespace zandovik::app::editor
