#include "app/editor/controller.h"

#include <QDateTime>
#include <QFileInfo>

#include "app/editor/commands.h"
#include "app/editor/save.h"

namespace zandovik::app::editor {

namespace {

// A recovery copy is at most this late after a change; a drag's many
// changes make one write.
constexpr int kRecoveryDelayMs = 1000;

QString named(const game::Board& b) {
  return b.name.empty() ? QString() : " (" + QString::fromStdString(b.name) + ")";
}

// Characters that are not seen but change what is around them (a bidi
// override, a zero-width space): the list would show another name than
// the file holds. The joiners stay: scripts and emoji need them.
QString without_format_characters(const QString& text) {
  QString out;
  for (const char32_t c : text.toUcs4())
    if (QChar::category(c) != QChar::Other_Format || c == 0x200C || c == 0x200D)
      out += QString::fromUcs4(&c, 1);
  return out;
}

}  // namespace

QString cut_name(const QString& name) {
  qsizetype end = 0;
  for (std::size_t chars = 0; end < name.size() && chars < game::kMaxBoardName; ++chars)
    end +=
        name.at(end).isHighSurrogate() && end + 1 < name.size() && name.at(end + 1).isLowSurrogate()
            ? 2
            : 1;
  return name.left(end);
}

Controller::Controller(Opened opened, Questions& ask)
    : model_(std::move(opened.set)),
      ask_(ask),
      path_(std::move(opened.path)),
      note_(std::move(opened.note)),
      stamp_(std::move(opened.stamp)),
      own_lines_(opened.own_lines),
      recovery_(path_) {
  recovery_due_.setSingleShot(true);
  recovery_due_.setInterval(kRecoveryDelayMs);
  QObject::connect(&recovery_due_, &QTimer::timeout, [this] { keep_recovery(); });
  QObject::connect(&stack_, &QUndoStack::indexChanged, [this] {
    current_ = model_.touched();
    // Started once, not again at every change: never more than the delay
    // behind the last one.
    if (!stack_.isClean() && !recovery_due_.isActive()) recovery_due_.start();
    if (stack_.isClean()) {
      recovery_due_.stop();
      recovery_.remove();
    }
    if (changed) changed();
  });
  QObject::connect(&stack_, &QUndoStack::cleanChanged, [this] {
    if (changed) changed();
  });
}

void Controller::tell(const QString& text, bool problem) {
  if (say) say(text, problem);
}

void Controller::push(QUndoCommand* cmd) {
  note_.clear();
  stack_.push(cmd);
}

void Controller::go_to(int board) {
  if (board < 0 || board >= model_.count()) return;
  name_done();
  current_ = board;
  if (changed) changed();
}

void Controller::paint(Cell c, int value, bool stroke_begins) {
  if (stroke_begins) ++stroke_;
  auto cmd = std::make_unique<PaintCells>(model_, current_, c, value, stroke_);
  if (cmd->changes()) return push(cmd.release());
  note_.clear();
  if (changed) changed();
}

void Controller::add_board(bool copy) {
  name_done();
  if (!model_.can_add())
    return tell(tr("A set holds at most %n boards.", nullptr, game::kMaxBoards), true);
  game::Board b = copy ? model_.board(current_) : empty_board();
  push(new InsertBoard(model_, current_ + 1, std::move(b),
                       copy ? tr("duplicate board") : tr("add board")));
}

void Controller::delete_board() {
  name_done();
  if (!model_.can_remove()) return tell(tr("A set keeps at least one board."), true);
  push(new RemoveBoard(model_, current_));
}

void Controller::move_board(int by) {
  name_done();
  const int to = current_ + by;
  if (to < 0 || to >= model_.count()) return;
  push(new MoveBoard(model_, current_, to));
}

void Controller::name_typed(const QString& text) {
  typed_ = Typed{typed_ ? typed_->board : current_, text};
}

void Controller::name_done() {
  if (!typed_) return;
  const Typed typed = *typed_;
  typed_.reset();
  if (typed.board >= model_.count()) return;
  const std::string name =
      clean_name(without_format_characters(cut_name(typed.text)).toStdString());
  if (name == model_.board(typed.board).name) {
    if (changed) changed();
    return;
  }
  push(new RenameBoard(model_, typed.board, name));
}

void Controller::name_cancelled() {
  typed_.reset();
  if (changed) changed();
}

void Controller::restore(game::BoardSet set, const QString& what) {
  const QString opened = note_;  // what was found on opening is still so
  push(new ReplaceSet(model_, std::move(set), tr("restore")));
  note_ = opened.isEmpty() ? what : what + " " + opened;
  current_ = 0;
  if (changed) changed();
}

bool Controller::save() {
  name_done();
  for (int i = 0; i < model_.count(); ++i)
    if (auto why = game::board_problem(model_.board(i))) {
      go_to(i);
      tell(tr("Not saved: board %1%2: %3")
               .arg(i + 1)
               .arg(named(model_.board(i)), QString::fromStdString(*why)),
           true);
      return false;
    }
  if (auto why = model_.problem()) {
    tell(tr("Not saved: %1").arg(QString::fromStdString(*why)), true);
    return false;
  }
  QString target = path_;
  const FileStamp now = stamp_of(path_);
  if (!(now == stamp_)) {
    QString what;
    if (stamp_.exists && !now.exists)
      what = tr("It was removed or renamed since the editor read it.");
    else if (!stamp_.exists)
      what = tr("A file of that name was made since the editor began this set.");
    else
      //: %1: the file's size in bytes; %2: a date and time
      what = tr("Another program or editor changed it since the editor read or saved it (now %1 "
                "bytes, changed at %2).")
                 .arg(now.size)
                 .arg(QDateTime::fromMSecsSinceEpoch(now.mtime_ns / 1'000'000)
                          .toString("yyyy-MM-dd hh:mm:ss"));
    switch (ask_.file_changed(path_, what)) {
      case Questions::Changed::overwrite:
        own_lines_ = file_has_own_lines(path_);  // the lines now there are the ones to lose
        break;
      case Questions::Changed::elsewhere:
        target = ask_.other_file(path_);
        if (!target.isEmpty()) break;
        [[fallthrough]];
      case Questions::Changed::cancel:
        tell(tr("Not saved: %1 changed on disk and is as the other program left it.").arg(path_),
             true);
        return false;
    }
  }
  if (target == path_ && own_lines_ && !ask_.drop_own_lines(path_)) {
    tell(tr("Not saved: the file's comments and blank lines are as they were."), false);
    return false;
  }
  return write_to(target);
}

bool Controller::write_to(const QString& target) {
  const std::string text = game::format_boards(model_.set());
  QString why;
  if (!write_whole(target, text, why)) {
    tell(tr("Not saved: %1: %2. The file on disk is as it was.").arg(target, why), true);
    return false;
  }
  recovery_due_.stop();
  recovery_.remove();
  if (target != path_) {
    path_ = target;
    recovery_ = Recovery(path_);
  }
  stamp_ = stamp_of(path_);
  own_lines_ = false;
  note_.clear();
  stack_.setClean();
  if (changed) changed();
  return true;
}

void Controller::discard() {
  recovery_due_.stop();
  recovery_.remove();
}

QString Controller::keep_recovery() {
  recovery_due_.stop();
  if (stack_.isClean()) {
    recovery_.remove();
    return {};
  }
  QString why;
  if (recovery_.write(model_.set(), why)) return {};
  why = tr("The recovery copy cannot be written: %1: %2").arg(recovery_.path(), why);
  tell(why, true);
  return why;
}

Controller::Status Controller::status() const {
  if (auto p = model_.problem())
    return {tr("Cannot be saved or played yet: %1").arg(QString::fromStdString(*p)), true};
  if (!note_.isEmpty()) return {note_, false};
  return {stack_.isClean() ? tr("Saved.") : tr("Unsaved changes."), false};
}

}  // namespace zandovik::app::editor
