// What is kept when the player asks: the options file's careful reader, the
// tables under their lock, and nothing written while Keep is off.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>
#include <thread>

#include "app/store/best_store.h"
#include "app/store/config.h"

namespace zandovik::testing {
namespace {

using app::store::config_problem;
using app::store::load_options;

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
  QFile f(dir.filePath(name));
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text);
  return f.fileName();
}

TEST(Config, OnlyWellFormedLinesOfAVersionWeKnowReachQSettings) {
  const struct {
    std::string text, problem;
  } cases[] = {
      {"[General]\nkeep=true\nversion=1\n; a comment\n\n", ""},
      {"[General]\nkeep=true\nversion=2\n", "line 3: written by a newer zandovik (version 2)"},
      {"[General]\nversion=one\n", "line 2: the version is a whole number"},
      {"[General\nkeep=true\n", "line 1: a section is [NAME]"},
      {"[General]\nkeep true\n", "line 2: not KEY=VALUE"},
      {"[General]\nke y=true\n", "line 2: not KEY=VALUE"},
      {std::string("[General]\nkeep=tr\0ue\n", 21), "line 2: a NUL byte: not a text file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(config_problem(c.text).value_or(""), c.problem);
  }
}

TEST(Config, ABadFileGivesTheDefaultsAndOneLineAndIsLeftAsItIs) {
  QTemporaryDir dir;
  const QString fifo = dir.filePath("fifo.conf");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const struct {
    QString path, problem;
  } cases[] = {
      {write(dir, "garbage.conf",
             "\x7f"
             "ELF\x01\x02"),
       "garbage.conf: line 1: not KEY=VALUE"},
      {write(dir, "big.conf", QByteArray(20000, ';')), "big.conf: larger than 16384 bytes"},
      {fifo, "fifo.conf: not a plain file"},
      {write(dir, "newer.conf", "keep=true\nversion=9\n"),
       "newer.conf: line 2: written by a newer"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    const auto loaded = load_options(c.path);
    EXPECT_TRUE(loaded.problem.contains(c.problem)) << loaded.problem.toStdString();
    EXPECT_EQ(loaded.options, app::store::Options{});
  }
  EXPECT_EQ(QFile(dir.filePath("garbage.conf")).size(), 6);
  const auto none = load_options(dir.filePath("none.conf"));
  EXPECT_TRUE(none.problem.isEmpty());
  EXPECT_FALSE(none.exists);
}

TEST(Config, WhatIsSavedIsReadBackAndABadFileIsReplacedWhole) {
  QTemporaryDir dir;
  write(dir, "zandovik.conf", "garbage here\n");
  const QString bad = dir.filePath("zandovik.conf");
  app::store::Options o;
  o.keep = true;
  o.sound = false;
  o.speed = 85;
  o.boards = "/home/ada/.local/share/zandovik/boards/a \"b\", c.boards";
  for (const QString& p : {dir.filePath("sub/zandovik.conf"), bad}) {
    QString error;
    ASSERT_TRUE(app::store::save_options(p, o, &error)) << error.toStdString();
    const auto back = load_options(p);
    EXPECT_TRUE(back.problem.isEmpty()) << back.problem.toStdString();
    EXPECT_EQ(back.options, o);
  }
}

TEST(BestStore, TwoGamesWritingAtOnceKeepEachOthersEntries) {
  QTemporaryDir dir;
  const app::store::TableId id{"extra", 85};
  const auto writer = [&](int first) {
    for (int i = first; i < first + 5; ++i) {
      const std::string rec = "w" + std::to_string(i) + ".rec";
      write(dir, QString::fromStdString(rec), "x");
      QString error;
      app::store::enter_game(dir.path(), id, {i, 1, "2026-12-09T21:40:05Z", "Ada", rec}, &error);
      EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    }
  };
  std::thread one(writer, 1), two(writer, 6);
  one.join();
  two.join();
  const auto tables = app::store::read_tables(dir.path(), false);
  ASSERT_EQ(tables.size(), 1u);
  EXPECT_EQ(tables[0].table.entries.size(), 10u);
}

TEST(BestStore, EnteringKeepsTheTopTenAndRemovesWhatFellOff) {
  QTemporaryDir dir;
  const app::store::TableId id{"builtin", 100};
  QString error;
  for (int i = 1; i <= 12; ++i) {
    const QString rec = QString("g%1.rec").arg(i);
    write(dir, rec, "x");
    const game::BestEntry e{i * 10, 1, "2026-12-09T21:40:05Z", "Ada", rec.toStdString()};
    EXPECT_EQ(app::store::enter_game(dir.path(), id, e, &error), std::optional<std::size_t>(1));
  }
  EXPECT_TRUE(error.isEmpty()) << error.toStdString();
  const auto tables = app::store::read_tables(dir.path(), false);
  ASSERT_EQ(tables.size(), 1u);
  EXPECT_EQ(tables[0].table.entries.size(), 10u);
  EXPECT_FALSE(QFile::exists(dir.filePath("g1.rec")));
  EXPECT_FALSE(QFile::exists(dir.filePath("g2.rec")));
  EXPECT_TRUE(QFile::exists(dir.filePath("g3.rec")));
  // A game that does not enter leaves no recording behind.
  write(dir, "low.rec", "x");
  EXPECT_FALSE(app::store::enter_game(dir.path(), id,
                                      {5, 1, "2026-12-09T21:40:05Z", "Ada", "low.rec"}, &error));
  EXPECT_FALSE(QFile::exists(dir.filePath("low.rec")));
  EXPECT_TRUE(app::store::forget_game(dir.path(), id, "g12.rec", &error));
  EXPECT_FALSE(QFile::exists(dir.filePath("g12.rec")));
  EXPECT_EQ(app::store::read_tables(dir.path(), false)[0].table.entries[0].score, 110);
}

TEST(BestStore, ATableThatCannotBeReadIsNeverWrittenOver) {
  QTemporaryDir dir;
  write(dir, "builtin-100.best", "zandovik-best 1\nnonsense\n");
  write(dir, "mine.rec", "x");
  QString error;
  EXPECT_FALSE(app::store::enter_game(dir.path(), {"builtin", 100},
                                      {50, 1, "2026-12-09T21:40:05Z", "Ada", "mine.rec"}, &error));
  EXPECT_TRUE(error.contains("builtin-100.best: line 2")) << error.toStdString();
  QFile f(dir.filePath("builtin-100.best"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "zandovik-best 1\nnonsense\n");
}

}  // namespace
}  // namespace zandovik::testing
