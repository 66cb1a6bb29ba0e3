#pragma once
// The editor's texts share one context for translators: "Editor".
#include <QCoreApplication>

namespace zandovik::app::editor {

struct Editor {
  Q_DECLARE_TR_FUNCTIONS(Editor)
};

}  // namespace zandovik::app::editor
