# The wallpaper changer: from the menu, from its submenu and on its timer,
# painted on the desktop and remembered in CWP.Log.

CHANGER='HKCU\Software\hkr\VNL\Changer'
DESKTOP='HKCU\Control Panel\desktop'
RED=FF0000
GREEN=00FF00
BLUE=0000FF
YELLOW=FFFF00

# changer ENABLED TIME VIEW TURN: settings as the settings dialog stores them,
# with the folder of three bitmaps of distinct colours.
changer() {
    mkdir -p "$C_DRIVE/walls"
    # a.bmp carries a yellow mark in its top left corner, so that tiles show.
    convert -size 200x150 "xc:#$RED" -fill "#$YELLOW" -draw 'rectangle 0,0 19,19' "BMP3:$C_DRIVE/walls/a.bmp"
    convert -size 200x150 "xc:#$GREEN" "BMP3:$C_DRIVE/walls/b.bmp"
    convert -size 200x150 "xc:#$BLUE" "BMP3:$C_DRIVE/walls/c.bmp"
    reg_dword "$CHANGER" Enabled "$1"
    reg_sz "$CHANGER" Path 'C:\walls\'
    reg_dword "$CHANGER" Time "$2"
    reg_dword "$CHANGER" View "$3"
    reg_dword "$CHANGER" Turn "$4"
    reg_sz "$DESKTOP" Wallpaper ''
    rm -f "$VNL_DIR/CWP.Log"
}

wallpaper() { reg_value "$DESKTOP" Wallpaper; }
wallpaper_is() { [[ "$(wallpaper)" == "$1" ]]; }

# wait_wallpaper PATH [SECONDS]: until the desktop names PATH.
wait_wallpaper() { within "${2:-10}" wallpaper_is "$1"; }

test_wallpaper_from_menu_submenu_and_log() {
    changer 1 60 0 0
    vnl_start
    open_menu
    menu_keys z
    expect "壁紙変更 sets the first file" wait_wallpaper 'C:\walls\a.bmp'
    expect_eq "the tile flag says centred" 0 "$(reg_value "$DESKTOP" TileWallpaper)"
    sleep 1
    local shot
    shot=$(screenshot wallpaper-centred)
    expect_eq "the red bitmap in the middle of the screen" "$RED" "$(pixel "$shot" 512 384)"
    expect_eq "its mark where a centred bitmap's corner is" "$YELLOW" "$(pixel "$shot" 417 314)"
    expect_ne "and nothing in the screen's corner" "$YELLOW" "$(pixel "$shot" 5 5)"

    open_menu
    menu_keys i Down Return
    expect "a pick from the submenu sets that file" wait_wallpaper 'C:\walls\b.bmp'
    sleep 1
    expect_eq "the green bitmap is shown" "$GREEN" "$(pixel "$(screenshot wallpaper-picked)" 512 384)"

    open_menu
    menu_keys x
    expect_eq "quit ends the program" 0 "$(vnl_exit_code 15)"
    expect_eq "CWP.Log holds the name alone" "$(printf 'b.bmp' | od -An -tx1)" "$(od -An -tx1 "$VNL_DIR/CWP.Log")"

    vnl_start
    open_menu
    menu_keys z
    expect "a new start goes on after it" wait_wallpaper 'C:\walls\c.bmp'
    sleep 1
    expect_eq "the blue bitmap is shown" "$BLUE" "$(pixel "$(screenshot wallpaper-next-run)" 512 384)"
}

test_wallpaper_tiled() {
    changer 1 60 1 0
    vnl_start
    open_menu
    menu_keys z
    expect "壁紙変更 sets the first file" wait_wallpaper 'C:\walls\a.bmp'
    expect_eq "the tile flag says tiled" 1 "$(reg_value "$DESKTOP" TileWallpaper)"
    sleep 1
    local shot
    shot=$(screenshot wallpaper-tiled)
    expect_eq "the mark in the screen's corner" "$YELLOW" "$(pixel "$shot" 5 5)"
    expect_eq "and again one bitmap to the right and one down" "$YELLOW" "$(pixel "$shot" 205 155)"
    expect_eq "red between the marks" "$RED" "$(pixel "$shot" 100 100)"
}

test_wallpaper_timer_and_pause() {
    changer 1 1 0 0
    local started
    vnl_start
    started=$(date +%s)
    expect "about a minute after the start the wallpaper changes by itself" wait_wallpaper 'C:\walls\a.bmp' 100
    local elapsed=$(($(date +%s) - started))
    expect "not before the minute is over (${elapsed}s)" test "$elapsed" -ge 55

    open_menu
    menu_keys t k
    sleep 75
    expect_eq "paused: no change for more than a minute" 'C:\walls\a.bmp' "$(wallpaper)"
}
