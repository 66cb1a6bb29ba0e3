#pragma once
// Where the game keeps what the player asks it to keep. Nothing here
// creates a folder: the writers do, and only with Keep on.
#include <QString>

namespace zandovik::app::store {

QString data_dir();    // $XDG_DATA_HOME/zandovik
QString config_dir();  // $XDG_CONFIG_HOME/zandovik
QString boards_dir();  // the player's board sets
QString best_dir();    // the best-games tables and their recordings
QString config_path();

// The account's full name (before the first comma of the password
// database's field), else its login name; always a valid player's name.
QString player_name();

}  // namespace zandovik::app::store
