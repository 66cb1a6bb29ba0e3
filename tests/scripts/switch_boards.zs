# Boards switched in play: a new game on them, as a click on Game Over
# starts one, the best score since the start kept; a speed does the same
# and changes no rule.
show
set hiscore 4321
set points 1200
set lives 2
boards ./two.boards
get numpatterns
get pattern
get points
get lives
get hiscore
get highscore.Caption
get numbricks.Caption
speed 70
get numpatterns
get numbricks.Caption
get stalls
