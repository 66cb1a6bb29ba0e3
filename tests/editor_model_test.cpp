// The board editor's model, its undo commands on Qt's undo stack, and its
// saving.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUndoStack>

#include "app/editor/commands.h"
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

// A drag as the window sends it: one stroke number for every cell.
void drag(QUndoStack& stack, ed::BoardsModel& m, int board, std::vector<ed::Cell> cells, int value,
          int stroke) {
  for (ed::Cell c : cells) {
    auto* cmd = new ed::PaintCells(m, board, c, value, stroke);
    if (cmd->changes())
      stack.push(cmd);
    else
      delete cmd;
  }
}

}  // namespace

TEST(EditorModel, ANewSetIsOneCopyOfTheFirstBuiltInPattern) {
  const BoardSet s = ed::new_set();
  ASSERT_EQ(s.boards.size(), 1u);
  EXPECT_EQ(s.boards[0].rows[0], "11111111111111111111");
  EXPECT_EQ(s.boards[0].rows[9], "00000000011000000000");
  EXPECT_FALSE(ed::BoardsModel(s).problem().has_value());
}

TEST(EditorModel, SettingACellIsOneUndoStepAndUndoPutsItBack) {
  ed::BoardsModel m(two_boards());
  QUndoStack stack;
  drag(stack, m, 1, {{5, 3}}, 7, 1);
  EXPECT_EQ(m.cell(1, {5, 3}), 7);
  EXPECT_EQ(m.board(1).rows[3], "00000700000000000000");
  EXPECT_EQ(stack.count(), 1);
  stack.undo();
  EXPECT_EQ(m.cell(1, {5, 3}), 0);
  EXPECT_EQ(m.touched(), 1);
  stack.redo();
  EXPECT_EQ(m.cell(1, {5, 3}), 7);
}

TEST(EditorModel, SettingACellToWhatItHoldsIsNoStep) {
  ed::BoardsModel m(two_boards());
  QUndoStack stack;
  drag(stack, m, 0, {{0, 0}}, 1, 1);
  EXPECT_EQ(stack.count(), 0);
}

TEST(EditorModel, ADragIsOneUndoStepAndTheNextStrokeAnother) {
  ed::BoardsModel m(two_boards());
  QUndoStack stack;
  drag(stack, m, 0, {{0, 1}, {1, 1}, {2, 1}, {1, 1}, {3, 1}}, 4, 1);
  EXPECT_EQ(m.board(0).rows[1], "44440000000000000000");
  EXPECT_EQ(stack.count(), 1);
  drag(stack, m, 0, {{1, 1}, {2, 1}}, 0, 2);  // a right drag clears
  EXPECT_EQ(m.board(0).rows[1], "40040000000000000000");
  EXPECT_EQ(stack.count(), 2);
  stack.undo();
  EXPECT_EQ(m.board(0).rows[1], "44440000000000000000");
  stack.undo();
  EXPECT_EQ(m.board(0).rows[1], "00000000000000000000");
  EXPECT_EQ(m.board(0).rows[0], "10000000000000000000");
}

TEST(EditorModel, ADragOverAPaintedCellKeepsItsFirstValueForUndo) {
  ed::BoardsModel m(two_boards());
  QUndoStack stack;
  drag(stack, m, 0, {{0, 0}, {1, 0}}, 9, 1);  // (0,0) held 1 before
  EXPECT_EQ(m.board(0).rows[0], "99000000000000000000");
  stack.undo();
  EXPECT_EQ(m.board(0).rows[0], "10000000000000000000");
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
  ed::BoardsModel m(two_boards());
  QUndoStack stack;
  EXPECT_FALSE(m.problem().has_value());
  drag(stack, m, 1, {{1, 0}}, 9, 1);  // "!" only: nothing to break
  ASSERT_TRUE(m.problem().has_value());
  EXPECT_NE(m.problem()->find('2'), std::string::npos) << *m.problem();
  stack.undo();
  EXPECT_FALSE(m.problem().has_value());
  stack.push(new ed::InsertBoard(m, 0, ed::empty_board(), "add"));
  ASSERT_TRUE(m.problem().has_value());
  EXPECT_NE(m.problem()->find('1'), std::string::npos) << *m.problem();
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
    const auto said = ed::refusal_text(e);
    EXPECT_EQ(said.message.toStdString(), gone + ": cannot open: No such file or directory");
    EXPECT_TRUE(said.details.isEmpty());
  }
  try {
    zandovik::game::parse_boards("zandovik-boards 1\nboard\n1111\n", "bad.boards");
    FAIL() << "read";
  } catch (const zandovik::game::BoardError& e) {
    const auto said = ed::refusal_text(e);
    EXPECT_EQ(said.message, "This is not a board file the game can read.");
    EXPECT_EQ(said.details.toStdString(), std::string(e.what()));
  }
}
