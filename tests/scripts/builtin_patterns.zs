# Without a board file the game has its three patterns, as always.
show
get numpatterns
get numbricks.Caption
keydown 113
get pattern
get numbricks.Caption
