show
set ball.Visible maybe
