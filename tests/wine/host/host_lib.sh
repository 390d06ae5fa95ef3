# Sourced by the host's Wine tests, after the bench's lib.sh: a folder holding Quorrel.scr beside a
# renderer, and the host's process.

# make_folder NAME RENDERER: a fresh folder under the artifacts with Quorrel.scr and, unless RENDERER
# is "none", that program as Quorrel.dll; prints its path. Names with blanks and Japanese are welcome.
make_folder() {
  local folder=$ARTIFACTS/$1
  rm -rf "$folder"
  mkdir -p "$folder"
  cp "$QUORREL_HOST" "$folder/Quorrel.scr"
  [ "$2" = none ] || cp "$2" "$folder/Quorrel.dll"
  printf '%s\n' "$folder"
}

# The real renderer when it is built, else the stand-in.
renderer() { printf '%s\n' "${QUORREL_RENDERER:-$QUORREL_FAKE_RENDERER}"; }

# host_exits OUTPUT: the driver's output shows the host ended with exit code 0.
host_exits() { expect "$1" '^exit code=0$' "the host ended with code 0"; }

# Runs from a folder with no Quorrel.dll, so only a start by full path finds the renderer.
cd "$ARTIFACTS"
