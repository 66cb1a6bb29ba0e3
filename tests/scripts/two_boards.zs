# A player's two boards: each build counts its bricks, F1 and F2 go round
# the two, and a new game keeps them.
boards ./two.boards
show
get numpatterns
get numbricks.Caption
get builtcount
get brick(49).Caption
keydown 112
get pattern
get numbricks.Caption
get bricksleft
keydown 112
get pattern
get numbricks.Caption
keydown 113
get pattern
get numbricks.Caption
set lives 1
set ball.Top 7300
tick Timer2
get gameover.Visible
click gameover
get numpatterns
get pattern
get numbricks.Caption
get levels(2,4)
