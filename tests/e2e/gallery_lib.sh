# Helpers for the widget screen tests: they drive tools/gallery, which logs
# where each widget stands ("at NAME x y w h") and every result to
# gallery.txt. Source after lib.sh.

LOG="$WORK/gallery.txt"

# start_gallery: the gallery in a fresh working folder, up and ready.
start_gallery() {
  [ -n "$BUILD_DIR" ] && [ -x "$BUILD_DIR/gallery" ] || fail "gallery not built in '$BUILD_DIR'"
  make_workdir
  launch "$BUILD_DIR/gallery"
  wait_window
  wait_for "the gallery to be ready" 20 grep -q '^ready' "$LOG"
}

# rect NAME: the widget's x, y, w and h.
rect() { awk -v n="$1" '$1 == "at" && $2 == n { print $3, $4, $5, $6 }' "$LOG"; }
count() { grep -c -- "$1" "$LOG" || true; }
