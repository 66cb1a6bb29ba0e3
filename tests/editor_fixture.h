#pragma once
// A board set being edited, as the editor opens it, with scripted answers.
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

namespace zandovik::test {

namespace ed = zandovik::app::editor;
using zandovik::game::Board;
using zandovik::game::BoardSet;

inline Board board_with(const std::string& row0, const std::string& name = {}) {
  Board b;
  b.rows[0] = row0;
  b.name = name;
  return b;
}

inline BoardSet two_boards() {
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

inline const std::string kFile = "zandovik-boards 1\nboard one\n10000000000000000000\n";

}  // namespace zandovik::test
