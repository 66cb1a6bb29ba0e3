# The last countable brick breaks: the level ends, then the next one is built.
rnd 0 0 0.5 0.2 0.6
show
set bricksleft 1
set cells(10,12) 1
set ball.Left 4000
set ball.Top 4060
tick Timer2
get numbricks.Caption
get nextlevel.Visible
get nextlevel.Caption
get Timer2.Interval
click nextlevel
get lives
get life(4).Visible
get numbricks.Caption
get pattern
