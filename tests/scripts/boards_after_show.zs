show
boards ./two.boards
