#include "app/editor/editor_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/editor/board_view.h"
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
  return b.name.empty() ? QString::number(i + 1)
                        : QString("%1  %2").arg(i + 1).arg(QString::fromStdString(b.name));
}

}  // namespace

// The keys, also in the man page and the README.
//: The keys, in a table: keep the HTML tags.
static const char* const kHelp =
    QT_TRANSLATE_NOOP("Editor",
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
                      "<p>0 is no brick, 1–8 the hits a brick takes, 9 the unbreakable “!”.</p>");

EditorWindow::EditorWindow(Opened opened) : controller_(std::move(opened), *this) {
  view_ = new BoardView;
  view_->on_paint = [this](Cell c, int value, bool begins) { controller_.paint(c, value, begins); };
  view_->on_chosen = [this](int) { show_place(); };
  view_->on_cursor = [this](Cell) { show_place(); };
  const Actions actions = build_actions();
  auto* central = new QWidget;
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addWidget(view_, 1);
  QWidget* panel = build_side_panel(actions);
  row->addWidget(panel);
  setCentralWidget(central);
  controller_.changed = [this] { refresh(); };
  controller_.say = [this](const QString& text, bool problem) { say(text, problem); };
  trial_ = std::make_unique<Trial>([this](const QString& text, bool problem) {
    say(text, problem);
    if (!problem) activateWindow();
  });
  refresh();
  // A layout does not ask its wrapped labels how tall they grow, so the
  // panel asks once: its words in the player's language are never cut.
  panel->setMinimumHeight(panel->layout()->totalHeightForWidth(panel->minimumWidth()));
  resize(1040, std::max(600, minimumSizeHint().height()));
  view_->setFocus();
}

EditorWindow::~EditorWindow() {
  controller_.changed = nullptr;
  controller_.say = nullptr;
}

QWidget* EditorWindow::build_side_panel(const Actions& a) {
  auto* panel = new QWidget;
  panel->setFixedWidth(290);
  auto* col = new QVBoxLayout(panel);
  title_ = new QLabel;
  title_->setTextFormat(Qt::RichText);
  // Longer languages take a second line rather than lose the end.
  title_->setWordWrap(true);
  col->addWidget(title_);
  list_ = new QListWidget;
  list_->setFocusPolicy(Qt::NoFocus);
  list_->setMinimumHeight(120);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int r) {
    if (r >= 0 && r != controller_.current()) controller_.go_to(r);
  });
  col->addWidget(list_, 1);
  // The same as the menus, by mouse, under the list.
  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(0, 0, 0, 0);
  buttons->addWidget(button(tr("Add"), tr("Add an empty board after this one"), a.add));
  buttons->addWidget(button(tr("Copy"), tr("Duplicate this board"), a.duplicate));
  buttons->addWidget(button(tr("Delete"), tr("Delete this board"), a.remove));
  //: A button: move the board up the list
  buttons->addWidget(button(tr("↑"), tr("Move this board up"), a.up));
  //: A button: move the board down the list
  buttons->addWidget(button(tr("↓"), tr("Move this board down"), a.down));
  col->addLayout(buttons);
  col->addWidget(new QLabel(tr("Name")));
  auto* name = new NameEdit;
  //: Shown in the empty name field: the board has no name
  name->setPlaceholderText(tr("(none)"));
  name->on_done = [this] {
    controller_.name_done();
    view_->setFocus();
  };
  name->on_cancel = [this] {
    controller_.name_cancelled();  // puts the name back, before the field loses focus
    view_->setFocus();
  };
  // Only what the player types is a rename, cut to what a name may hold.
  connect(name, &QLineEdit::textEdited, this, [this](const QString& text) {
    const QString cut = cut_name(text);
    if (cut != text) {
      const int at = std::min(name_->cursorPosition(), static_cast<int>(cut.size()));
      name_->setText(cut);
      name_->setCursorPosition(at);
    }
    controller_.name_typed(cut);
  });
  connect(name, &QLineEdit::editingFinished, this, [this] { controller_.name_done(); });
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

EditorWindow::Actions EditorWindow::build_actions() {
  auto add = [this](QMenu* menu, const QString& text, QKeySequence key, auto slot) {
    auto* a = menu->addAction(text);
    a->setShortcut(key);
    connect(a, &QAction::triggered, this, [this, slot] {
      // A name being typed is kept for its board before any command.
      controller_.name_done();
      if (name_->hasFocus()) view_->setFocus();
      slot();
    });
    return a;
  };
  QMenu* file = menuBar()->addMenu(tr("&File"));
  add(file, tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { controller_.save(); });
  add(file, tr("&Play the board"), QKeySequence(Qt::Key_F5), [this] { play(); });
  file->addSeparator();
  add(file, tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });

  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  QAction* undo = controller_.stack().createUndoAction(this, tr("&Undo"));
  undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  QAction* redo = controller_.stack().createRedoAction(this, tr("&Redo"));
  redo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  edit->addAction(undo);
  edit->addAction(redo);

  QMenu* boards = menuBar()->addMenu(tr("&Board"));
  add(boards, tr("&Next"), QKeySequence(Qt::Key_PageDown),
      [this] { controller_.go_to(controller_.current() + 1); });
  add(boards, tr("&Previous"), QKeySequence(Qt::Key_PageUp),
      [this] { controller_.go_to(controller_.current() - 1); });
  boards->addSeparator();
  Actions a{};
  a.add = add(boards, tr("&Add"), QKeySequence(Qt::CTRL | Qt::Key_N),
              [this] { controller_.add_board(false); });
  a.duplicate = add(boards, tr("&Duplicate"), QKeySequence(Qt::CTRL | Qt::Key_D),
                    [this] { controller_.add_board(true); });
  a.remove = add(boards, tr("D&elete"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
                 [this] { controller_.delete_board(); });
  a.up = add(boards, tr("Move &up"), QKeySequence(Qt::CTRL | Qt::Key_Up),
             [this] { controller_.move_board(-1); });
  a.down = add(boards, tr("Move do&wn"), QKeySequence(Qt::CTRL | Qt::Key_Down),
               [this] { controller_.move_board(1); });
  add(boards, tr("&Rename"), QKeySequence(Qt::Key_F2), [this] {
    name_->setFocus();
    name_->selectAll();
  });
  return a;
}

void EditorWindow::refresh() {
  const BoardsModel& m = controller_.model();
  const int current = std::clamp(controller_.current(), 0, m.count() - 1);
  const game::Board& b = m.board(current);
  view_->show_board(b);
  list_->blockSignals(true);
  while (list_->count() > m.count()) delete list_->takeItem(list_->count() - 1);
  for (int i = 0; i < m.count(); ++i) {
    const QString label = board_label(m.board(i), i);
    if (i < list_->count())
      list_->item(i)->setText(label);
    else
      list_->addItem(label);
  }
  list_->setCurrentRow(current);
  list_->blockSignals(false);
  if (!controller_.name_pending()) name_->setText(QString::fromStdString(b.name));
  show_place();
  //: The window's title: %1 is the file's name; keep [*]
  setWindowTitle(tr("%1[*] — zandovik board editor").arg(QFileInfo(controller_.path()).fileName()));
  setWindowModified(controller_.unsaved());
  const Controller::Status st = controller_.status();
  say(st.text, st.problem);
}

void EditorWindow::show_place() {
  const Cell c = view_->cursor();
  title_->setText(
      tr("<b>Board %1</b> of %2 &nbsp;·&nbsp; cell %3, %4 &nbsp;·&nbsp; mouse paints %5")
          .arg(controller_.current() + 1)
          .arg(controller_.model().count())
          .arg(c.col + 1)
          .arg(c.row + 1)
          .arg(view_->chosen()));
}

void EditorWindow::say(const QString& text, bool problem) {
  message_->setStyleSheet(problem ? "color: #b00020;" : "");
  message_->setText(text);
}

void EditorWindow::play() {
  const int current = controller_.current();
  const game::Board& b = controller_.model().board(current);
  if (auto why = game::board_problem(b))
    return say(
        tr("Board %1 cannot be played: %2").arg(current + 1).arg(QString::fromStdString(*why)),
        true);
  trial_->start(b, current + 1);
}

Questions::Changed EditorWindow::file_changed(const QString& path, const QString& what) {
  QMessageBox box(QMessageBox::Warning, tr("File changed on disk"),
                  tr("%1 is not what the editor read or last saved.").arg(path));
  box.setInformativeText(what + "\n\n" + tr("Saving over it loses what the other program wrote."));
  QPushButton* over = box.addButton(tr("Overwrite"), QMessageBox::DestructiveRole);
  QPushButton* other = box.addButton(tr("Save elsewhere…"), QMessageBox::AcceptRole);
  QPushButton* cancel = box.addButton(QMessageBox::Cancel);
  box.setDefaultButton(other);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == over) return Changed::overwrite;
  if (box.clickedButton() == other) return Changed::elsewhere;
  return Changed::cancel;
}

QString EditorWindow::other_file(const QString& path) {
  return QFileDialog::getSaveFileName(this, tr("Save the set elsewhere"), path,
                                      tr("Board sets (*.boards);;All files (*)"));
}

bool EditorWindow::drop_own_lines(const QString& path) {
  const auto answer = QMessageBox::question(
      this, tr("Comments are not kept"),
      tr("%1 has comments or blank lines of its own. The editor writes the boards alone, so "
         "saving drops them.")
          .arg(QFileInfo(path).fileName()),
      QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Cancel);
  return answer == QMessageBox::Save;
}

void EditorWindow::closeEvent(QCloseEvent* ev) {
  controller_.name_done();
  if (!controller_.unsaved()) return ev->accept();
  const auto answer = QMessageBox::question(
      this, tr("Unsaved changes"),
      tr("The boards have changes that are not saved in %1.")
          .arg(QFileInfo(controller_.path()).fileName()),
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  if (answer == QMessageBox::Discard) {
    controller_.discard();
    return ev->accept();
  }
  if (answer == QMessageBox::Save && controller_.save()) return ev->accept();
  ev->ignore();
}

}  // namespace zandovik::app::editor
