#!/usr/bin/env bash
# The screen capture (304) driven with the real mouse: a rectangle dragged
# over a known part of the screen is saved as a BMP whose pixels are those
# of the same area in a screenshot; dragged from bottom right to top left it
# comes out mirrored both ways; the clipboard holds the bitmap only when
# that output is on; with the fixed size on the file is 24 x 23 whatever the
# rectangle, while the view board shows the capture at its real size.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
fail() { drive attach terminate >/dev/null 2>&1; exit 1; }
export DISPLAY
IM=/usr/bin  # ImageMagick itself (a stand-in convert may come first in PATH)
# Outputs of capture-arm, ticked in the settings sheet: 1 BMP file, 2 clipboard,
# 4 fixed size (24 x 23).
x=404 y=24

# drag X0 Y0 X1 Y1: the left button pressed at one point, released at the
# other; then the pointer goes where it lights up nothing.
drag() {
  xdotool mousemove "$1" "$2" sleep 0.2 mousedown 1 sleep 0.2 \
          mousemove $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 )) sleep 0.1 \
          mousemove "$3" "$4" sleep 0.2 mouseup 1 sleep 0.1 mousemove 900 900
}
# same A B: the two images have the same pixels.
same() {
  local ae
  ae=$("$IM/compare" -metric AE "$1" "$2" null: 2>&1)
  [ "$ae" = 0 ] || { echo "$1 and $2 differ in $ae pixels"; return 1; }
}

drive launch "$SORA_EXE" "$work" waitmain clear-clipboard || fail
xdotool mousemove 900 900
sleep 1
screenshot before1
"$IM/convert" "$work/before1.png" -crop 24x23+$x+$y +repage "$work/area.png"
[ "$("$IM/identify" -format %k "$work/area.png")" -gt 2 ] || { echo "the area has no detail"; fail; }

# Top left to bottom right, to a file and the clipboard.
drive attach capture-arm 7 || fail
drag $x $y $((x + 24)) $((y + 23))
# Then bottom right to top left, to a file only: mirrored both ways, the
# next name. The screen is the same: the board stands at the top left.
drive attach capture-wait-done expect-board 24 23 expect-clipboard-bitmap 24 23 \
      clear-clipboard capture-arm 5 || fail
drag $((x + 24)) $((y + 23)) $x $y
drive attach capture-wait-done expect-no-clipboard-bitmap || fail
[ -f "$work/NoFileName0.bmp" ] || { echo "no NoFileName0.bmp"; fail; }
[ "$("$IM/identify" -format %wx%h "$work/NoFileName0.bmp")" = 24x23 ] || fail
same "$work/NoFileName0.bmp" "$work/area.png" || fail
"$IM/convert" "$work/area.png" -flip -flop "$work/mirrored.png"
same "$work/NoFileName1.bmp" "$work/mirrored.png" || fail

# A larger rectangle with the fixed size on: a 24 x 23 file, a 60 x 40 board.
drive attach capture-arm 5 || fail
drag 300 200 360 240
# ... and off: the file has the rectangle's own size.
drive attach capture-wait-done expect-board 60 40 capture-arm 1 || fail
[ "$("$IM/identify" -format %wx%h "$work/NoFileName2.bmp")" = 24x23 ] || fail
drag 300 200 360 240
# Both outputs off: only a view board; a click without a drag makes none.
drive attach capture-wait-done capture-arm 4 || fail
[ "$("$IM/identify" -format %wx%h "$work/NoFileName3.bmp")" = 60x40 ] || fail
drag 500 300 540 330
drive attach capture-wait-done expect-board 40 30 capture-arm 1 || fail
[ ! -f "$work/NoFileName4.bmp" ] || { echo "a file was written with the output off"; fail; }
xdotool mousemove 500 300 click 1
drive attach capture-wait-done expect-windows "#32770" "VIEW ボード" 5 || fail
[ ! -f "$work/NoFileName4.bmp" ] || { echo "a click wrote a file"; fail; }
screenshot boards
drive attach close-window "#32770" expect-windows "#32770" "VIEW ボード" 4 close waitexit 0 || fail
