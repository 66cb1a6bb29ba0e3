#include "app/editor/run_editor.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

#include "app/editor/editor_window.h"

namespace zandovik::app::editor {

namespace {

// Open a set or name a new one: one dialog for both.
QString ask_for_file() {
  QFileDialog d(nullptr, QObject::tr("Open a board set, or name a new one"));
  d.setAcceptMode(QFileDialog::AcceptSave);
  d.setOption(QFileDialog::DontConfirmOverwrite);
  d.setNameFilters({QObject::tr("Board sets (*.boards)"), QObject::tr("All files (*)")});
  d.setDefaultSuffix("boards");
  d.setLabelText(QFileDialog::Accept, QObject::tr("Edit"));
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
  return d.selectedFiles().first();
}

// A file that cannot be read: say why, offer a new set in its place (saved
// over it only if the player saves) or quitting.
bool offer_new_set(const game::BoardError& e) {
  const RefusalText said = refusal_text(e);
  QMessageBox box(QMessageBox::Warning, QObject::tr("zandovik board editor"), said.message);
  box.setInformativeText(said.details);
  QPushButton* fresh = box.addButton(QObject::tr("Start a new set"), QMessageBox::AcceptRole);
  QPushButton* quit = box.addButton(QObject::tr("Quit"), QMessageBox::RejectRole);
  box.setDefaultButton(quit);
  box.setEscapeButton(quit);
  box.exec();
  return box.clickedButton() == fresh;
}

}  // namespace

RefusalText refusal_text(const game::BoardError& e) {
  const QString said = QString::fromStdString(e.what());
  // Not read at all (Permission denied): what the system said is the news.
  if (e.unreadable) return {said, {}};
  return {QObject::tr("This is not a board file the game can read."), said};
}

int run_editor(const std::string& file) {
  QString path = QString::fromStdString(file);
  if (path.isEmpty()) path = ask_for_file();
  if (path.isEmpty()) return 0;
  game::BoardSet set;
  QString note;
  if (QFileInfo::exists(path)) {
    try {
      set = game::read_boards(path.toStdString());
      const auto n = static_cast<int>(set.boards.size());
      note = (n == 1 ? QObject::tr("1 board read from %1.")
                     : QObject::tr("%1 boards read from %2.").arg(n))
                 .arg(QFileInfo(path).fileName());
    } catch (const game::BoardError& e) {
      std::fprintf(stderr, "zandovik: %s\n", e.what());
      if (!offer_new_set(e)) return 1;
      set = new_set();
      note = QObject::tr("A new set: %1 could not be read and stays as it is unless you save.")
                 .arg(QFileInfo(path).fileName());
    }
  } else {
    set = new_set();
    note = QObject::tr("A new set: nothing is written until you save.");
  }
  EditorWindow window(std::move(set), path, note);
  window.show();
  return QApplication::exec();
}

}  // namespace zandovik::app::editor
