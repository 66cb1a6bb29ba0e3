// The board editor's model, its undo commands on Qt's undo stack, its
// saving and its files.
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
#include "tests/editor_fixture.h"

using namespace zandovik::test;

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
