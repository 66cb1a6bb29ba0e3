// The board editor's model, its undo commands on Qt's undo stack, the
// controller's decisions (driven as the window drives them, answers
// scripted), its saving and its recovery copies.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUndoStack>
#include <ctime>
#include <memory>

#include "app/editor/commands.h"
#include "app/editor/controller.h"
#include "app/editor/file.h"
#include "app/editor/model.h"
#include "app/editor/run_editor.h"
#include "app/editor/save.h"

namespace ed = zandovik::app::editor;
using zandovik::game::Board;
using zandovik::game::BoardSet;

namespace {

Board board_with(const std::string& row0, const std::string& name = {}) {
  Board b;
  b.rows[0] = row0;
  b.name = name;
  return b;
}

BoardSet two_boards() {
  return BoardSet{
      {board_with("10000000000000000000", "one"), board_with("02000000000000000000", "two")}};
}

// What a save asks, answered from a script; every question kept.
struct Answers : ed::Questions {
  std::vector<std::string> asked;
  Changed on_change = Changed::cancel;
  QString other;
  bool drop = true;
  Changed file_changed(const QString&, const QString& what) override {
    asked.push_back("changed: " + what.toStdString());
    return on_change;
  }
  QString other_file(const QString&) override {
    asked.push_back("elsewhere");
    return other;
  }
  bool drop_own_lines(const QString&) override {
    asked.push_back("own lines");
    return drop;
  }
};

// A controller on FILE in a folder of its own (its recovery copies in
// another), as the editor opens it; what it says is kept.
struct Editing {
  QTemporaryDir dir;
  Answers ask;
  std::unique_ptr<ed::Controller> c;
  std::vector<std::string> said;
  QString path;

  explicit Editing(const std::string& text = {}, const std::string& name = "set.boards") {
    path = dir.filePath(QString::fromStdString(name));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath("data")));
    if (!text.empty()) write(text);
    open();
  }
  explicit Editing(BoardSet set) {
    path = dir.filePath("set.boards");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath("data")));
    ed::Opened o;
    o.set = std::move(set);
    o.path = path;
    c = std::make_unique<ed::Controller>(std::move(o), ask);
    c->say = [this](const QString& text, bool) { said.push_back(text.toStdString()); };
  }
  void open() {
    c = std::make_unique<ed::Controller>(ed::open_set(path), ask);
    c->say = [this](const QString& text, bool) { said.push_back(text.toStdString()); };
  }
  void write(const std::string& text) const {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) ADD_FAILURE() << "cannot write";
    f.write(text.data(), static_cast<qint64>(text.size()));
  }
  std::string on_disk() const {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("(none)");
  }
  const ed::BoardsModel& m() const { return c->model(); }
  // A drag as the window sends it: the first cell begins the stroke.
  void drag(int board, std::vector<ed::Cell> cells, int value) {
    c->go_to(board);
    for (std::size_t i = 0; i < cells.size(); ++i) c->paint(cells[i], value, i == 0);
  }
};

const std::string kFile = "zandovik-boards 1\nboard one\n10000000000000000000\n";

}  // namespace

TEST(EditorModel, ANewSetIsOneCopyOfTheFirstBuiltInPattern) {
  const BoardSet s = ed::new_set();
  ASSERT_EQ(s.boards.size(), 1u);
  EXPECT_EQ(s.boards[0].rows[0], "11111111111111111111");
  EXPECT_EQ(s.boards[0].rows[9], "00000000011000000000");
  EXPECT_FALSE(ed::BoardsModel(s).problem().has_value());
}

TEST(EditorModel, SettingACellIsOneUndoStepAndUndoPutsItBack) {
  Editing e(two_boards());
  e.drag(1, {{5, 3}}, 7);
  EXPECT_EQ(e.m().cell(1, {5, 3}), 7);
  EXPECT_EQ(e.m().board(1).rows[3], "00000700000000000000");
  EXPECT_EQ(e.c->stack().count(), 1);
  e.c->go_to(0);
  e.c->stack().undo();
  EXPECT_EQ(e.m().cell(1, {5, 3}), 0);
  EXPECT_EQ(e.c->current(), 1);  // undo shows the board it changes
  e.c->stack().redo();
  EXPECT_EQ(e.m().cell(1, {5, 3}), 7);
}

TEST(EditorModel, SettingACellToWhatItHoldsIsNoStep) {
  Editing e(two_boards());
  e.drag(0, {{0, 0}}, 1);
  EXPECT_EQ(e.c->stack().count(), 0);
  EXPECT_FALSE(e.c->unsaved());
}

TEST(EditorModel, ADragIsOneUndoStepAndTheNextStrokeAnother) {
  Editing e(two_boards());
  e.drag(0, {{0, 1}, {1, 1}, {2, 1}, {1, 1}, {3, 1}}, 4);
  EXPECT_EQ(e.m().board(0).rows[1], "44440000000000000000");
  EXPECT_EQ(e.c->stack().count(), 1);
  e.drag(0, {{1, 1}, {2, 1}}, 0);  // a right drag clears
  EXPECT_EQ(e.m().board(0).rows[1], "40040000000000000000");
  EXPECT_EQ(e.c->stack().count(), 2);
  e.c->stack().undo();
  EXPECT_EQ(e.m().board(0).rows[1], "44440000000000000000");
  e.c->stack().undo();
  EXPECT_EQ(e.m().board(0).rows[1], "00000000000000000000");
  EXPECT_EQ(e.m().board(0).rows[0], "10000000000000000000");
}

TEST(EditorModel, ADragOverAPaintedCellKeepsItsFirstValueForUndo) {
  Editing e(two_boards());
  e.drag(0, {{0, 0}, {1, 0}}, 9);  // (0,0) held 1 before
  EXPECT_EQ(e.m().board(0).rows[0], "99000000000000000000");
  e.c->stack().undo();
  EXPECT_EQ(e.m().board(0).rows[0], "10000000000000000000");
}

TEST(EditorModel, AddDuplicateDeleteAndMoveAreUndoneInTurn) {
  ed::BoardsModel m(two_boards());
  QUndoStack stack;
  stack.push(new ed::InsertBoard(m, 1, ed::empty_board(), "add"));
  ASSERT_EQ(m.count(), 3);
  EXPECT_EQ(m.board(1).rows[0], "00000000000000000000");
  EXPECT_EQ(m.board(2).name, "two");
  EXPECT_EQ(m.touched(), 1);
  stack.push(new ed::InsertBoard(m, 3, m.board(0), "duplicate"));
  EXPECT_EQ(m.board(3).name, "one");
  stack.push(new ed::RemoveBoard(m, 0));
  EXPECT_EQ(m.count(), 3);
  EXPECT_EQ(m.board(2).name, "one");
  stack.push(new ed::MoveBoard(m, 1, 0));  // "two" to the top
  EXPECT_EQ(m.board(0).name, "two");
  EXPECT_EQ(m.touched(), 0);
  stack.undo();
  EXPECT_EQ(m.board(1).name, "two");
  stack.undo();
  EXPECT_EQ(m.board(0).name, "one");
  EXPECT_EQ(m.count(), 4);
  stack.undo();
  stack.undo();
  EXPECT_EQ(m.set().boards.size(), 2u);
  EXPECT_EQ(m.board(0).name, "one");
  EXPECT_EQ(m.board(1).name, "two");
}

TEST(EditorModel, RenameIsUndoneAndNamesAreCutToWhatTheFileHolds) {
  ed::BoardsModel m(two_boards());
  QUndoStack stack;
  stack.push(new ed::RenameBoard(m, 1, "The Gate"));
  EXPECT_EQ(m.board(1).name, "The Gate");
  stack.undo();
  EXPECT_EQ(m.board(1).name, "two");
  EXPECT_EQ(ed::clean_name("  a\tb\nc  "), "a b c");
  EXPECT_EQ(ed::clean_name(std::string(50, 'x')).size(), 40u);
  // Characters, not bytes: 39 letters and a two-byte one make 40.
  const std::string forty = std::string(39, 'x') + "é";
  EXPECT_EQ(ed::clean_name(forty + "é"), forty);
  EXPECT_FALSE(zandovik::game::name_problem(ed::clean_name(forty + " y")).has_value());
}

TEST(EditorModel, ABoardWithoutABrickOrOnlyUnbreakableOnesMakesTheSetUnplayable) {
  Editing e(two_boards());
  EXPECT_FALSE(e.m().problem().has_value());
  e.drag(1, {{1, 0}}, 9);  // "!" only: nothing to break
  ASSERT_TRUE(e.m().problem().has_value());
  EXPECT_NE(e.m().problem()->find('2'), std::string::npos) << *e.m().problem();
  e.c->stack().undo();
  EXPECT_FALSE(e.m().problem().has_value());
  e.c->go_to(0);
  e.c->add_board(false);
  e.c->move_board(-1);
  ASSERT_TRUE(e.m().problem().has_value());
  EXPECT_NE(e.m().problem()->find('1'), std::string::npos) << *e.m().problem();
}

TEST(EditorModel, ASetKeepsOneToAHundredBoards) {
  ed::BoardsModel m(BoardSet{});
  EXPECT_EQ(m.count(), 1);
  EXPECT_FALSE(m.can_remove());
  for (int i = 1; i < 100; ++i) m.insert(i, ed::empty_board());
  EXPECT_FALSE(m.can_add());
  EXPECT_TRUE(m.can_remove());
}

TEST(EditorSave, ASaveReplacesTheFileWholeAndLeavesNothingBeside) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("set.boards");
  QString why;
  ASSERT_TRUE(ed::write_whole(path, "first\n", why)) << why.toStdString();
  ASSERT_TRUE(ed::write_whole(path, "second\n", why)) << why.toStdString();
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("second\n"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"set.boards"});
}

TEST(EditorSave, ASaveThatCannotBeginSaysWhy) {
  QTemporaryDir dir;
  QString why;
  EXPECT_FALSE(ed::write_whole(dir.filePath("no such folder/set.boards"), "x\n", why));
  EXPECT_FALSE(why.isEmpty());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
}

TEST(EditorSave, APipeOrAFolderIsNeverReplacedButALinkIsSavedThrough) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString pipe = dir.filePath("pipe.boards"), folder = dir.filePath("folder.boards");
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  ASSERT_TRUE(QDir().mkdir(folder));
  QString why;
  EXPECT_FALSE(ed::write_whole(pipe, "x\n", why));
  EXPECT_EQ(why, pipe + " is not a plain file, so it is not written over");
  struct stat st {};
  ASSERT_EQ(::lstat(QFile::encodeName(pipe).constData(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_FALSE(ed::write_whole(folder, "x\n", why));
  EXPECT_TRUE(QFileInfo(folder).isDir());
  // A link to a set: the set is saved and the link stays a link.
  const QString set = dir.filePath("set.boards"), link = dir.filePath("link.boards");
  ASSERT_TRUE(ed::write_whole(set, "first\n", why));
  ASSERT_TRUE(QFile::link(set, link));
  ASSERT_TRUE(ed::write_whole(link, "second\n", why)) << why.toStdString();
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  QFile f(set);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("second\n"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
            (QStringList{"folder.boards", "link.boards", "pipe.boards", "set.boards"}));
}

TEST(EditorOpen, AFileThatCannotBeReadIsSaidAsTheSystemSaysIt) {
  QTemporaryDir dir;
  const std::string gone = (dir.path() + "/gone.boards").toStdString();
  try {
    zandovik::game::read_boards(gone);
    FAIL() << "read";
  } catch (const zandovik::game::BoardError& e) {
    const auto said = ed::refusal_text(QString::fromStdString(e.what()), e.unreadable);
    EXPECT_EQ(said.message.toStdString(), gone + ": cannot open: No such file or directory");
    EXPECT_TRUE(said.details.isEmpty());
  }
  try {
    zandovik::game::parse_boards("zandovik-boards 1\nboard\n1111\n", "bad.boards");
    FAIL() << "read";
  } catch (const zandovik::game::BoardError& e) {
    const auto said = ed::refusal_text(QString::fromStdString(e.what()), e.unreadable);
    EXPECT_EQ(said.message, "This is not a board file the game can read.");
    EXPECT_EQ(said.details.toStdString(), std::string(e.what()));
  }
}

TEST(EditorController, AfterADeleteTheBoardThatTookItsPlaceIsShownOrTheNewLast) {
  BoardSet three = two_boards();
  three.boards.push_back(board_with("00300000000000000000", "three"));
  Editing e(three);
  e.c->go_to(1);
  e.c->delete_board();
  EXPECT_EQ(e.c->current(), 1);
  EXPECT_EQ(e.m().board(1).name, "three");
  e.c->delete_board();
  EXPECT_EQ(e.c->current(), 0);
  e.c->delete_board();  // the last one stays
  EXPECT_EQ(e.m().count(), 1);
  EXPECT_EQ(e.said.back(), "A set keeps at least one board.");
  e.c->stack().undo();
  EXPECT_EQ(e.c->current(), 1);
  EXPECT_EQ(e.m().board(1).name, "three");
}

TEST(EditorController, ANameTypedStaysWithItsBoardWhenAnotherIsShown) {
  Editing e(two_boards());
  e.c->name_typed("The Gate");
  e.c->go_to(1);  // a click in the list
  e.c->name_done();
  EXPECT_EQ(e.m().board(0).name, "The Gate");
  EXPECT_EQ(e.m().board(1).name, "two");
  // And a name typed on the board shown, then Escape: nothing.
  e.c->name_typed("Other");
  e.c->name_cancelled();
  e.c->name_done();
  EXPECT_EQ(e.m().board(1).name, "two");
  EXPECT_EQ(e.c->stack().count(), 1);
}

TEST(EditorController, NamesAreCountedInCharactersAndOnlyATypedNameRenames) {
  const QString emoji = QString::fromUtf8("\xf0\x9f\x8e\xae");  // two UTF-16 units
  const QString forty = emoji.repeated(40);
  EXPECT_EQ(ed::cut_name(forty + emoji), forty);
  EXPECT_EQ(ed::cut_name("ab" + emoji.left(1)), "ab" + emoji.left(1));  // a lone half stays one
  EXPECT_EQ(ed::cut_name(QString(39, 'x') + emoji + "y"), QString(39, 'x') + emoji);
  Editing e(BoardSet{{board_with("10000000000000000000", forty.toStdString())}});
  e.c->name_done();  // F2 and Enter, nothing typed
  EXPECT_EQ(e.c->stack().count(), 0);
  e.c->name_typed(forty);  // typed as it was: no step either
  e.c->name_done();
  EXPECT_EQ(e.c->stack().count(), 0);
  EXPECT_EQ(e.m().board(0).name, forty.toStdString());
  // An override pasted in is dropped, not saved to be refused.
  e.c->name_typed(
      QString::fromUtf8("ab\xe2\x80\xae"
                        "cd"));
  e.c->name_done();
  EXPECT_EQ(e.m().board(0).name, "abcd");
}

TEST(EditorController, SaveSaysTheFirstUnplayableBoardAndShowsIt) {
  Editing e(two_boards());
  e.drag(1, {{1, 0}}, 0);  // board 2 empty
  e.c->go_to(0);
  EXPECT_FALSE(e.c->save());
  EXPECT_EQ(e.c->current(), 1);
  EXPECT_EQ(e.said.back(),
            "Not saved: board 2 (two): no brick of 1 to 8 to break, so it could never be "
            "finished");
  EXPECT_EQ(e.on_disk(), "(none)");
  EXPECT_TRUE(e.ask.asked.empty());
}

TEST(EditorController, AFileChangedByAnotherWriterIsNeverSilentlyOverwritten) {
  struct Case {
    ed::Questions::Changed answer;
    bool other;  // a file to save elsewhere is given
    bool saved;
    bool original_kept;
  };
  for (const Case k : {Case{ed::Questions::Changed::cancel, false, false, true},
                       Case{ed::Questions::Changed::overwrite, false, true, false},
                       Case{ed::Questions::Changed::elsewhere, true, true, true},
                       Case{ed::Questions::Changed::elsewhere, false, false, true}}) {
    Editing e(kFile);
    e.drag(0, {{3, 0}}, 5);
    // Another editor saves the same size, in the same instant as far as
    // the clock can tell: only the content differs.
    const std::string theirs = "zandovik-boards 1\nboard two\n20000000000000000000\n";
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(e.path).constData(), &st), 0);
    e.write(theirs);
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(e.path).constData(), times, 0), 0);
    e.ask.on_change = k.answer;
    if (k.other) e.ask.other = e.dir.filePath("mine.boards");
    EXPECT_EQ(e.c->save(), k.saved);
    ASSERT_FALSE(e.ask.asked.empty());
    EXPECT_EQ(e.ask.asked[0].substr(0, 8), "changed:");
    EXPECT_EQ(e.on_disk() == theirs, k.original_kept);
    EXPECT_EQ(e.c->unsaved(), !k.saved);
    if (k.other) {
      EXPECT_EQ(e.c->path(), e.ask.other);
      EXPECT_TRUE(e.c->save());  // the new file is its own: no question
      EXPECT_EQ(e.ask.asked.size(), 2u);
    }
    if (!k.saved) {
      EXPECT_EQ(e.said.back().substr(0, 10), "Not saved:");
    }
  }
}

TEST(EditorController, ASaveAfterOurOwnSaveAsksNothing) {
  Editing e(kFile);
  e.drag(0, {{3, 0}}, 5);
  ASSERT_TRUE(e.c->save());
  e.drag(0, {{4, 0}}, 6);
  ASSERT_TRUE(e.c->save());
  EXPECT_TRUE(e.ask.asked.empty());
  EXPECT_EQ(e.on_disk(), "zandovik-boards 1\nboard one\n10056000000000000000\n");
}

TEST(EditorController, TheFirstSaveOfAHandWrittenFileSaysItsCommentsGo) {
  Editing e("zandovik-boards 1\n# mine\n\nboard one\n10000000000000000000\n");
  e.drag(0, {{3, 0}}, 5);
  e.ask.drop = false;
  EXPECT_FALSE(e.c->save());
  EXPECT_EQ(e.ask.asked, std::vector<std::string>{"own lines"});
  EXPECT_NE(e.on_disk().find("# mine"), std::string::npos);
  e.ask.drop = true;
  EXPECT_TRUE(e.c->save());
  e.drag(0, {{4, 0}}, 5);
  EXPECT_TRUE(e.c->save());
  EXPECT_EQ(e.ask.asked, (std::vector<std::string>{"own lines", "own lines"}));
  EXPECT_EQ(e.on_disk(), "zandovik-boards 1\nboard one\n10055000000000000000\n");
  Editing plain(kFile);
  plain.drag(0, {{3, 0}}, 5);
  EXPECT_TRUE(plain.c->save());
  EXPECT_TRUE(plain.ask.asked.empty());
}

TEST(EditorController, ARecoveryCopyFollowsTheUnsavedChangesAndGoesWithThem) {
  Editing e(kFile);
  const QString copy = e.c->recovery().path();
  EXPECT_TRUE(copy.startsWith(e.dir.filePath("data/zandovik/recovery/set.boards-")));
  e.drag(0, {{3, 0}}, 5);
  EXPECT_EQ(e.c->keep_recovery(), QString());
  ASSERT_TRUE(QFileInfo(copy).isFile());
  EXPECT_EQ(zandovik::game::read_boards(copy.toStdString()), e.m().set());
  // Newer than FILE: offered at the next start.
  const auto set_time = [](const QString& p, time_t t) {
    const struct timespec times[2] = {{t, 0}, {t, 0}};
    return ::utimensat(AT_FDCWD, QFile::encodeName(p).constData(), times, 0);
  };
  ASSERT_EQ(set_time(copy, ::time(nullptr) + 100), 0);
  auto found = ed::Recovery(e.path).newer_than_file();
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->set, e.m().set());
  // Undo back to what is saved: nothing to recover.
  e.c->stack().undo();
  EXPECT_FALSE(QFileInfo(copy).exists());
  e.c->stack().redo();
  EXPECT_EQ(e.c->keep_recovery(), QString());
  ASSERT_TRUE(e.c->save());
  EXPECT_FALSE(QFileInfo(copy).exists());
  e.drag(0, {{4, 0}}, 5);
  EXPECT_EQ(e.c->keep_recovery(), QString());
  e.c->discard();
  EXPECT_FALSE(QFileInfo(copy).exists());
  // A copy older than FILE is not offered.
  EXPECT_EQ(e.c->keep_recovery(), QString());
  ASSERT_EQ(set_time(copy, 1), 0);
  EXPECT_FALSE(ed::Recovery(e.path).newer_than_file().has_value());
  // Nothing beside the player's file.
  EXPECT_EQ(QDir(e.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"set.boards"});
}

TEST(EditorController, ARecoveryCopyThatCannotBeWrittenIsSaidWithItsFolder) {
  Editing e(kFile);
  QFile blocker(e.dir.filePath("data"));  // a file where the folder would be
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  e.drag(0, {{3, 0}}, 5);
  const QString why = e.c->keep_recovery();
  EXPECT_EQ(why, "The recovery copy cannot be written: " + e.c->recovery().path() + ": " +
                     e.dir.filePath("data/zandovik/recovery") + ": cannot make the folder");
  EXPECT_EQ(e.said.back(), why.toStdString());
}

TEST(EditorController, RestoringIsOneStepThatUndoTakesBack) {
  Editing e(kFile);
  e.c->restore(two_boards(), "restored");
  EXPECT_EQ(e.m().set(), two_boards());
  EXPECT_TRUE(e.c->unsaved());
  EXPECT_TRUE(e.c->status().text.startsWith("restored"));
  e.c->stack().undo();
  EXPECT_FALSE(e.c->unsaved());
  EXPECT_EQ(e.m().board(0).name, "one");
}

TEST(EditorFile, ALeftoverOfAnInterruptedSaveIsNamedAndLeftAlone) {
  QTemporaryDir dir;
  const QString path = dir.filePath("set.boards");
  QString why;
  ASSERT_TRUE(ed::write_whole(path, kFile, why));
  ASSERT_TRUE(ed::write_whole(path + ".Ab12Cd", "half", why));
  // A player's own file of that shape is named too, never taken for one.
  ASSERT_TRUE(ed::write_whole(path + ".backup", "mine", why));
  ASSERT_TRUE(ed::write_whole(path + ".old", "mine", why));
  const ed::Opened o = ed::open_set(path);
  EXPECT_EQ(o.leftovers, (QStringList{"set.boards.Ab12Cd", "set.boards.backup"}));
  EXPECT_TRUE(o.note.contains("set.boards.Ab12Cd")) << o.note.toStdString();
  EXPECT_TRUE(o.note.contains("set.boards itself is whole")) << o.note.toStdString();
  EXPECT_TRUE(QFileInfo::exists(path + ".Ab12Cd"));
  EXPECT_TRUE(QFileInfo::exists(path + ".backup"));
}

TEST(EditorFile, ALinkInALoopOrToNothingIsRefusedNotReplaced) {
  QTemporaryDir dir;
  const QString a = dir.filePath("a.boards"), b = dir.filePath("b.boards");
  ASSERT_TRUE(QFile::link(b, a));
  ASSERT_TRUE(QFile::link(a, b));
  const ed::Opened o = ed::open_set(a);
  EXPECT_EQ(o.refusal, a + " is a link that leads round in a loop, so there is no file to open "
                           "or to save to");
  QString why;
  EXPECT_FALSE(ed::write_whole(a, kFile, why));
  EXPECT_EQ(why, o.refusal);
  EXPECT_TRUE(QFileInfo(a).isSymLink());
  const QString c = dir.filePath("c.boards");
  ASSERT_TRUE(QFile::link(dir.filePath("gone.boards"), c));
  EXPECT_EQ(ed::open_set(c).refusal,
            c + " is a link to " + dir.filePath("gone.boards") + ", which does not exist");
}

TEST(EditorSave, ASaveKeepsTheFilesModeAndAsRootItsOwner) {
  QTemporaryDir dir;
  const QString path = dir.filePath("set.boards");
  const QByteArray name = QFile::encodeName(path);
  QString why;
  ASSERT_TRUE(ed::write_whole(path, "first\n", why));
  ASSERT_EQ(::chmod(name.constData(), 0640), 0);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(name.constData(), 4321, 4322), 0);
  }
  ASSERT_TRUE(ed::write_whole(path, "second\n", why)) << why.toStdString();
  struct stat st {};
  ASSERT_EQ(::stat(name.constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 4322u);
  }
}

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);  // timers and file paths need one
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
