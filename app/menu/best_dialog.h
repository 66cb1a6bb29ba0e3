#pragma once
// Best games: a tab per table (set and speed), its games ranked, each
// replayed off the game's thread to say whether it is verified. Watch plays
// the chosen game in a window of its own; Forget removes it; a name can be
// changed in place.
#include <QDialog>
#include <QPointer>
#include <QTabWidget>
#include <vector>

#include "app/store/best_store.h"

class QTableWidget;

namespace zandovik::app::menu {

class BestDialog : public QDialog {
 public:
  explicit BestDialog(QWidget* parent);
  ~BestDialog() override;

 private:
  void load();
  void show_proofs(std::vector<store::ShownTable> tables);
  const game::BestEntry* chosen(const store::ShownTable** table) const;
  void watch();
  void forget();
  void renamed(int tab, int row, const QString& name);

  QString folder_;
  QTabWidget tabs_;
  std::vector<store::ShownTable> tables_;
  std::vector<QTableWidget*> views_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  bool filling_ = false;
};

}  // namespace zandovik::app::menu
