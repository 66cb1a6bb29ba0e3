#include "app/menu/best_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <thread>

#include "app/store/folders.h"

namespace zandovik::app::menu {

namespace {

enum Column { rank, score, level, name, when, verified, columns };

QString speed_text(int percent) {
  if (percent == 100) return QCoreApplication::translate("Best games", "normal speed");
  //: A game speed on a tab: %1 is 85 or 70 (per cent of the normal speed).
  return QCoreApplication::translate("Best games", "%1 %").arg(percent);
}

}  // namespace

BestDialog::BestDialog(QWidget* parent) : QDialog(parent), folder_(store::best_dir()) {
  setWindowTitle(QCoreApplication::translate("Best games", "Best games"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(&tabs_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* watch = buttons->addButton(QCoreApplication::translate("Best games", "&Watch"),
                                          QDialogButtonBox::ActionRole);
  QPushButton* forget = buttons->addButton(QCoreApplication::translate("Best games", "&Forget"),
                                           QDialogButtonBox::ActionRole);
  connect(watch, &QPushButton::clicked, this, [this] { this->watch(); });
  connect(forget, &QPushButton::clicked, this, [this] { this->forget(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(720, 360);
  load();
}

BestDialog::~BestDialog() {
  *alive_ = false;
}

void BestDialog::load() {
  tabs_.clear();
  views_.clear();
  tables_ = store::read_tables(folder_, false);
  filling_ = true;
  for (std::size_t t = 0; t < tables_.size(); ++t) {
    const auto& shown = tables_[t];
    auto* view = new QTableWidget(static_cast<int>(shown.table.entries.size()), columns);
    view->setHorizontalHeaderLabels({QCoreApplication::translate("Best games", "Rank"),
                                     QCoreApplication::translate("Best games", "Score"),
                                     QCoreApplication::translate("Best games", "Level"),
                                     QCoreApplication::translate("Best games", "Name"),
                                     QCoreApplication::translate("Best games", "Date"),
                                     QCoreApplication::translate("Best games", "Verified")});
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->hide();
    // The other columns as wide as their words, so no date or word is cut.
    for (int c = 0; c < columns; ++c)
      view->horizontalHeader()->setSectionResizeMode(
          c, c == name ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    for (int r = 0; r < view->rowCount(); ++r) {
      const auto& e = shown.table.entries[static_cast<std::size_t>(r)];
      const QString cells[columns] = {
          QString::number(r + 1), QString::number(e.score), QString::number(e.level),
          QString::fromStdString(e.name), QString::fromStdString(e.when).replace('T', ' '),
          //: The Verified column while the game is replayed to check it.
          QCoreApplication::translate("Best games", "checking...")};
      for (int c = 0; c < columns; ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        if (c != name) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        view->setItem(r, c, item);
      }
    }
    const int tab = static_cast<int>(t);
    connect(view, &QTableWidget::itemChanged, this, [this, tab](QTableWidgetItem* item) {
      if (!filling_ && item->column() == name) renamed(tab, item->row(), item->text());
    });
    // The set's name is design data: shown as it is.
    QString label = shown.id.set + " · " + speed_text(shown.id.speed);
    if (!shown.problem.isEmpty()) {
      label = shown.id.set;
      view->setRowCount(0);
      view->setToolTip(shown.problem);
    }
    tabs_.addTab(view, label);
    views_.push_back(view);
  }
  if (tables_.empty())
    tabs_.addTab(new QLabel(QCoreApplication::translate(
                     "Best games",
                     "No best games are kept yet. Turn on \"Keep scores and "
                     "options on this computer\" in the menu.")),
                 QCoreApplication::translate("Best games", "None"));
  filling_ = false;
  // Every entry replayed off the game's thread; the dialog may be gone
  // by the time the answers come.
  auto copy = tables_;
  std::thread([copy = std::move(copy), folder = folder_, alive = alive_, self = this]() mutable {
    for (auto& t : copy)
      for (const auto& e : t.table.entries)
        t.proofs.push_back(game::verify_entry(e, folder.toStdString()));
    QMetaObject::invokeMethod(qApp, [copy = std::move(copy), alive, self]() mutable {
      if (*alive) self->show_proofs(std::move(copy));
    });
  }).detach();
}

void BestDialog::show_proofs(std::vector<store::ShownTable> tables) {
  if (tables.size() != tables_.size()) return;
  filling_ = true;
  for (std::size_t t = 0; t < tables.size(); ++t) {
    tables_[t].proofs = tables[t].proofs;
    for (std::size_t r = 0; r < tables[t].proofs.size(); ++r) {
      const auto& proof = tables[t].proofs[r];
      if (auto* item = views_[t]->item(static_cast<int>(r), verified)) {
        item->setText(proof.verified ? QCoreApplication::translate("Best games", "verified")
                                     : QCoreApplication::translate("Best games", "not verified"));
        item->setToolTip(QString::fromStdString(proof.why));
      }
    }
  }
  filling_ = false;
}

const game::BestEntry* BestDialog::chosen(const store::ShownTable** table) const {
  const int tab = tabs_.currentIndex();
  if (tab < 0 || static_cast<std::size_t>(tab) >= views_.size()) return nullptr;
  const int row = views_[static_cast<std::size_t>(tab)]->currentRow();
  const auto& t = tables_[static_cast<std::size_t>(tab)];
  if (row < 0 || static_cast<std::size_t>(row) >= t.table.entries.size()) return nullptr;
  *table = &t;
  return &t.table.entries[static_cast<std::size_t>(row)];
}

void BestDialog::watch() {
  const store::ShownTable* t = nullptr;
  if (const auto* e = chosen(&t))
    QProcess::startDetached(QCoreApplication::applicationFilePath(),
                            {"--replay", folder_ + "/" + QString::fromStdString(e->recording)});
}

void BestDialog::forget() {
  const store::ShownTable* t = nullptr;
  const auto* e = chosen(&t);
  if (!e) return;
  if (QMessageBox::question(
          this, QCoreApplication::translate("Best games", "Forget"),
          QCoreApplication::translate("Best games", "Forget this game and its recording?")) !=
      QMessageBox::Yes)
    return;
  QString error;
  if (!store::forget_game(folder_, t->id, e->recording, &error))
    QMessageBox::warning(this, QCoreApplication::translate("Best games", "Forget"), error);
  load();
}

void BestDialog::renamed(int tab, int row, const QString& text) {
  const auto& t = tables_[static_cast<std::size_t>(tab)];
  if (static_cast<std::size_t>(row) >= t.table.entries.size()) return;
  QString error;
  if (!store::rename_player(folder_, t.id, t.table.entries[static_cast<std::size_t>(row)].recording,
                            text.trimmed().toStdString(), &error)) {
    QMessageBox::warning(this, QCoreApplication::translate("Best games", "Name"), error);
    QMetaObject::invokeMethod(
        this, [this] { load(); }, Qt::QueuedConnection);
  }
}

}  // namespace zandovik::app::menu
