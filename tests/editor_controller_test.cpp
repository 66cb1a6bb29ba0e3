// The editor's controller, driven as the window drives it, answers
// scripted: what it shows, asks and says, and its recovery copies.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "tests/editor_fixture.h"

using namespace zandovik::test;

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
