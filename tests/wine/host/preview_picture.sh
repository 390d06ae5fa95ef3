#!/usr/bin/env bash
# The preview's pixels: a 152 x 112 area is exactly the picture; a 200 x 150 area shows the picture at
# its top-left and black to its right and below. Wine 8 does not show a child window's drawing when its
# parent belongs to another process, so the preview form is shown in a window of a test program here;
# host_preview covers the embedding across processes.
source "$QUORREL_BENCH_LIB"

# level max|min FILE GEOMETRY: the highest or lowest channel value (0..255) in a region.
level() { convert "$2" -crop "$3" +repage -format "%[fx:int(255*${1}ima+0.5)]" info:; }

# differing_pixels FILE GEOMETRY: how many pixels of the region differ from the preview picture.
differing_pixels() {
  convert "$1" -crop "$2" +repage "$ARTIFACTS/region.png"
  compare -metric AE "$ARTIFACTS/region.png" "$QUORREL_PREVIEW_PICTURE" null: 2>&1 || true
}

# picture_shown SIZE X Y: a screenshot (in shot) showing the picture exactly at X Y.
picture_shown() {
  shot=$(screenshot "preview_$1")
  [ "$(differing_pixels "$shot" "152x112+$2+$3")" = 0 ]
}

for size in 152x112 200x150; do
  width=${size%x*} height=${size#*x}
  out=$ARTIFACTS/picture_$size.txt
  wine "$QUORREL_PREVIEW_PICTURE_TEST" "$width" "$height" >"$out" 2>&1 </dev/null &
  test_pid=$!
  BENCH_BACKGROUND+=("$test_pid")
  client=$(wait_line "$out" '^client ' 20 | tr -d '\r')
  x=$(field "$client" x) y=$(field "$client" y)
  drv wait-visible "Preview picture test" 5000 >/dev/null
  wait_until 10 picture_shown "$size" "$x" "$y" || fail "the picture is not shown exactly in $size"
  [ "$(level min "$shot" "${size}+$x+$y")" = 0 ] || fail "the parent's grey shows through in $size"
  if [ "$size" = 200x150 ]; then
    [ "$(level max "$shot" "48x150+$((x + 152))+$y")" = 0 ] || fail "not black right of the picture"
    [ "$(level max "$shot" "200x38+$x+$((y + 112))")" = 0 ] || fail "not black below the picture"
  fi
  drv post "Preview picture test" WM_CLOSE >/dev/null
  wait "$test_pid" || fail "the test program did not end with the preview ($?)"
done
