#!/usr/bin/env bash
# The preview's pixels: a 152 x 112 area is exactly the picture; a 200 x 150 area shows the picture
# at its top-left and black to its right and below.
# Wine 8 does not show what a child window draws when its parent belongs to another process (its
# drawing lands in a surface without an X window); there the parent's own grey stays and the test
# reports itself skipped.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/host_lib.sh"

folder=$(make_folder preview_picture none)
scr=$(winpath "$folder/Quorrel.scr")

# max_level FILE GEOMETRY: the highest channel value (0..255) in a region of a screenshot.
max_level() { convert "$1" -crop "$2" +repage -format '%[fx:int(255*maxima+0.5)]' info:; }
min_level() { convert "$1" -crop "$2" +repage -format '%[fx:int(255*minima+0.5)]' info:; }

# differing_pixels FILE GEOMETRY: how many pixels of the region differ from the preview picture.
differing_pixels() {
  convert "$1" -crop "$2" +repage "$ARTIFACTS/region.png"
  compare -metric AE "$ARTIFACTS/region.png" "$QUORREL_PREVIEW_PICTURE" null: 2>&1 || true
}

for size in 152x112 200x150; do
  width=${size%x*} height=${size#*x}
  open_preview "$scr" "$size"
  sleep 1
  shot=$(screenshot "preview_$size")
  rect=$(field "$PREVIEW_CHILD" rect)
  x=${rect%%,*} y=$(cut -d, -f2 <<<"$rect")
  area="${width}x$height+$x+$y"
  if [ "$(min_level "$shot" "$area")" = 128 ] && [ "$(max_level "$shot" "$area")" = 128 ]; then
    close_preview "$size"
    echo "SKIP: this Wine shows the parent's grey, not the drawing of its child from another process"
    exit 77
  fi
  [ "$(differing_pixels "$shot" "152x112+$x+$y")" = 0 ] || fail "the picture is not shown exactly in $size"
  if [ "$size" = 200x150 ]; then
    [ "$(max_level "$shot" "48x150+$((x + 152))+$y")" = 0 ] || fail "not black right of the picture"
    [ "$(max_level "$shot" "200x38+$x+$((y + 112))")" = 0 ] || fail "not black below the picture"
  fi
  close_preview "$size"
done
