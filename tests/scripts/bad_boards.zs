seed 3
boards ./bad.boards
show
