# The extra set, found by name beside the driver in a build.
boards extra
show
get numpatterns
get numbricks.Caption
keydown 113
get numbricks.Caption
