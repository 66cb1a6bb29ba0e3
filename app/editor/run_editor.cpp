#include "app/editor/run_editor.h"

#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSocketNotifier>
#include <cstdio>
#include <memory>

#include "app/editor/editor_window.h"
#include "app/editor/texts.h"

namespace zandovik::app::editor {

namespace {

// Open a set or name a new one: one dialog for both.
QString ask_for_file() {
  QFileDialog d(nullptr, Editor::tr("Open a board set, or name a new one"));
  d.setAcceptMode(QFileDialog::AcceptSave);
  d.setOption(QFileDialog::DontConfirmOverwrite);
  d.setNameFilters({Editor::tr("Board sets (*.boards)"), Editor::tr("All files (*)")});
  d.setDefaultSuffix("boards");
  //: The file dialog's button that opens the chosen set
  d.setLabelText(QFileDialog::Accept, Editor::tr("Edit"));
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
  return d.selectedFiles().first();
}

// A file that cannot be read: say why, offer a new set in its place (saved
// over it only if the player saves) or quitting.
bool offer_new_set(const RefusalText& said) {
  QMessageBox box(QMessageBox::Warning, Editor::tr("zandovik board editor"), said.message);
  box.setInformativeText(said.details);
  QPushButton* fresh = box.addButton(Editor::tr("Start a new set"), QMessageBox::AcceptRole);
  QPushButton* quit = box.addButton(Editor::tr("Quit"), QMessageBox::RejectRole);
  box.setDefaultButton(quit);
  box.setEscapeButton(quit);
  box.exec();
  return box.clickedButton() == fresh;
}

// A recovery copy newer than the file: the player says whether to take it.
bool offer_recovery(const QString& path, const Recovery::Found& found) {
  QMessageBox box(
      QMessageBox::Question, Editor::tr("Unsaved changes were kept"),
      //: %1: a file name; %2: a date and time
      Editor::tr("Changes to %1 were not saved when the editor ended. They were kept at %2.")
          .arg(QFileInfo(path).fileName(), QLocale().toString(found.when, QLocale::LongFormat)));
  box.setInformativeText(
      Editor::tr("Restore them (they are unsaved until you save), or discard "
                 "them and open the file as it is on disk?"));
  QPushButton* restore = box.addButton(Editor::tr("&Restore"), QMessageBox::AcceptRole);
  QPushButton* discard = box.addButton(Editor::tr("&Discard"), QMessageBox::DestructiveRole);
  box.setDefaultButton(restore);
  box.setEscapeButton(restore);  // nothing lost by a stray Escape
  box.exec();
  return box.clickedButton() != discard;
}

// A quit signal asks nothing: the changes go to the recovery copy, which
// the next start on FILE offers back, and the editor ends at once.
// `live` is the set being edited once there is one; the notifier goes
// before it does.
std::unique_ptr<QSocketNotifier> end_on_quit_signals(int fd, Controller* const& live) {
  if (fd < 0) return nullptr;
  auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
  QObject::connect(notifier.get(), &QSocketNotifier::activated, [fd, &live] {
    char byte;
    while (::read(fd, &byte, 1) > 0) {
    }
    if (live) live->name_done();
    int status = 0;
    if (live && live->unsaved()) {
      if (const QString why = live->keep_recovery(); why.isEmpty()) {
        const QByteArray where = QFile::encodeName(live->recovery().path());
        std::fprintf(stderr, "zandovik: quit signal: the unsaved changes are kept in %s\n",
                     where.constData());
      } else {
        std::fprintf(stderr, "zandovik: quit signal: the unsaved changes are lost: %s\n",
                     why.toLocal8Bit().constData());
        status = 1;
      }
    }
    std::fflush(stderr);
    // Whatever dialog is open: nothing it could do is wanted now.
    ::_exit(status);
  });
  return notifier;
}

}  // namespace

RefusalText refusal_text(const QString& said, bool unreadable) {
  if (unreadable) return {said, {}};
  return {Editor::tr("This is not a board file the game can read."), said};
}

int run_editor(const std::string& file, int quit_fd) {
  Controller* live = nullptr;
  const auto quit = end_on_quit_signals(quit_fd, live);
  QString path = QString::fromStdString(file);
  if (path.isEmpty()) path = ask_for_file();
  if (path.isEmpty()) return 0;
  Opened opened = open_set(path);
  if (!opened.refusal.isEmpty()) {
    std::fprintf(stderr, "zandovik: %s\n", opened.refusal.toLocal8Bit().constData());
    QMessageBox::warning(nullptr, Editor::tr("zandovik board editor"), opened.refusal);
    return 1;
  }
  if (!opened.error.isEmpty()) {
    std::fprintf(stderr, "zandovik: %s\n", opened.error.toLocal8Bit().constData());
    if (!offer_new_set(refusal_text(opened.error, opened.unreadable))) return 1;
    opened.set = new_set();
    opened.fresh = true;
    opened.note = Editor::tr("A new set: %1 could not be read and stays as it is unless you save.")
                      .arg(QFileInfo(path).fileName());
  }
  const Recovery recovery(path);
  std::optional<Recovery::Found> found = recovery.newer_than_file();
  bool restore = false;
  if (found && found->error.isEmpty())
    restore = offer_recovery(path, *found);
  else if (found)
    opened.note +=
        " " +
        Editor::tr("A recovery copy cannot be read and is left as it is: %1").arg(found->error);
  if (found && found->error.isEmpty() && !restore) recovery.remove();
  EditorWindow window(std::move(opened));
  if (restore)
    window.controller().restore(
        std::move(found->set),
        Editor::tr("Restored the changes kept at %1: unsaved until you save.")
            .arg(QLocale().toString(found->when, QLocale::ShortFormat)));
  live = &window.controller();
  window.show();
  const int status = QApplication::exec();
  live = nullptr;
  return status;
}

}  // namespace zandovik::app::editor
