# Sourced by the demo and benchmark scripts: where the table lies on the
# screen, and twips turned into screen pixels, as the window computes them.
# table_geometry WINDOW sets scale, tx, ty (the table's top-left on screen).
table_geometry() {
    local geometry menu=${MENU_HEIGHT:-19}
    geometry=$(xdotool getwindowgeometry --shell "$1")
    eval "$geometry"
    read -r scale tx ty < <(awk -v w="$WIDTH" -v h="$((HEIGHT - menu))" -v x="$X" -v y="$((Y + menu))" '
        function round(v) { return v < 0 ? -int(-v + 0.5) : int(v + 0.5) }
        BEGIN {
            exact = w / 784; if (h / 635 < exact) exact = h / 635
            snapped = round(exact * 100) / 100
            d = snapped - exact; if (d < 0) d = -d
            s = d * 784 < 1 ? snapped : exact
            if (s < 0.5) s = 0.5
            tw = round(11760 * s / 15); th = round(9525 * s / 15)
            printf "%s %d %d\n", s, x + int((w - tw) / 2), y + int((h - th) / 2)
        }')
}
# px_x TWIPS / px_y TWIPS: a point of the table on the screen.
px_x() { awk -v t="$1" -v s="$scale" -v o="$tx" 'BEGIN { v = t * s / 15; printf "%d\n", o + int(v + 0.5) }'; }
px_y() { awk -v t="$1" -v s="$scale" -v o="$ty" 'BEGIN { v = t * s / 15; printf "%d\n", o + int(v + 0.5) }'; }
