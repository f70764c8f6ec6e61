# The program's two ways to run: the path-copy mode and the resident icon.

TRAY_AREA=200x18+824+750   # the right end of the taskbar
ICON_AREA=16x16+1005+750

# Colour count of the icon's place: a flat taskbar has one.
icon_colours() { colours "$1" "$ICON_AREA"; }

test_path_copy_expands_names() {
    mkdir -p "$C_DRIVE/Long Folder Name/Sub Dir"
    echo hi >"$C_DRIVE/Long Folder Name/Sub Dir/My Document.txt"
    local short
    short=$(probe short 'C:\Long Folder Name\Sub Dir\My Document.txt')
    expect_ne "the test file has a short alias" 'C:\Long Folder Name\Sub Dir\My Document.txt' "$short"
    local before after
    before=$(screenshot pathcopy-before)

    vnl "$short" 'c:\long folder name\SUB DIR' 'c:\Long Folder Name\Missing\NOPE.TXT'
    expect_eq "exit code" 0 $?
    expect_eq "three names, three lines joined by CR LF" \
        "$(hex_of $'C:\\Long Folder Name\\Sub Dir\\My Document.txt\r\nC:\\Long Folder Name\\Sub Dir\r\nc:\\Long Folder Name\\Missing\\NOPE.TXT')" \
        "$(clip_hex)"

    # Short aliases and a trailing backslash; a missing name stays as written.
    local shortdir=${short%\\*}
    vnl "${shortdir,,}\\"
    expect_eq "a folder keeps its trailing backslash" "$(hex_of 'C:\Long Folder Name\Sub Dir\')" "$(clip_hex)"
    vnl "${shortdir}\\nothing.txt"
    expect_eq "a missing name comes back unchanged" "$(hex_of "${shortdir}\\nothing.txt")" "$(clip_hex)"
    vnl 'c:' 'c:\'
    expect_eq "bare drive and drive root" "$(hex_of $'C:\r\nC:\\')" "$(clip_hex)"
    expect_eq "the clipboard as X sees it" 'C:
C:\' "$(clip_get)"

    after=$(screenshot pathcopy-after)
    expect_eq "no window and no icon appeared" 0 "$(compare -metric AE "$before" "$after" null: 2>&1)"
    expect_eq "no tray window is left" 1 "$(probe wait TFVNL 0 >/dev/null; echo $?)"
}

test_path_copy_on_a_busy_clipboard() {
    clip_set "kept"
    until_windows_clip "kept"
    probe hold-clipboard 5000 >/dev/null &
    local holder=$! box
    sleep 0.5
    (vnl 'c:\windows'; echo $? >"$E2E_WORK/pathcopy.rc") &
    box=$(probe box Vnl 15)
    expect_eq "one box, captioned with the default title" "text=クリップボードを開くことができません." "$(grep '^text=' <<<"$box")"
    expect_eq "with the error icon" "icon=1" "$(grep '^icon=' <<<"$box")"
    probe press-ok Vnl
    wait "$holder"
    within 10 test -s "$E2E_WORK/pathcopy.rc"
    expect_eq "then exit code 0" 0 "$(cat "$E2E_WORK/pathcopy.rc" 2>/dev/null)"
    expect_eq "the clipboard keeps what it had" "kept" "$(clip_get)"
}

test_resident_icon_menu_and_quit() {
    local shot
    shot=$(screenshot resident-before)
    expect_eq "no icon before the start" 1 "$(icon_colours "$shot")"
    vnl_start
    expect "the tray window exists" probe wait TFVNL 0
    sleep 1
    shot=$(screenshot resident-icon)
    expect "the icon is in the notification area" test "$(icon_colours "$shot")" -gt 4

    open_menu
    expect "a right press opens the menu" probe shown '#32768' 0
    shot=$(screenshot menu)
    # The menu stands above the icon, over the desktop.
    expect_ne "the menu is drawn above the icon" "$(pixel "$OUT/resident-icon.png" 950 600)" "$(pixel "$shot" 950 600)"

    menu_keys x
    expect_eq "quitting ends with exit code 0" 0 "$(vnl_exit_code 15)"
    sleep 1
    shot=$(screenshot resident-after-quit)
    expect_eq "the icon is removed" 1 "$(icon_colours "$shot")"
}

test_first_start_makes_the_settings_keys() {
    reg_delete_key 'HKCU\Software\hkr'
    vnl_start
    local key out
    for key in Explorer Changer ETC; do
        out=$(wine reg query "HKCU\\Software\\hkr\\VNL\\$key" 2>/dev/null)
        expect_eq "the key $key exists" 0 $?
        expect_eq "and holds no value" 0 "$(grep -c REG_ <<<"$out")"
    done
}

test_second_start_ends_at_once() {
    vnl_start
    sleep 1
    local before after started elapsed
    before=$(screenshot second-before)
    started=$(date +%s)
    vnl
    expect_eq "the second start ends with exit code 0" 0 $?
    elapsed=$(($(date +%s) - started))
    expect "the second start ends at once (${elapsed}s)" test "$elapsed" -lt 10
    sleep 1
    after=$(screenshot second-after)
    expect_eq "the first instance keeps running" running "$(vnl_exit_code 1)"
    expect_eq "no second icon" 0 "$(compare -metric AE -crop "$TRAY_AREA" "$before" "$after" null: 2>&1)"

    vnl 'C:\WINDOWS\NOTEPAD.EXE'
    expect_eq "path copy works while the resident one runs" "$(hex_of 'C:\windows\notepad.exe')" "$(clip_hex)"
    expect_eq "and the resident one still runs" running "$(vnl_exit_code 1)"
}

test_end_of_logon() {
    vnl_start
    expect_eq "the end-session query is answered with 1" "result=1" "$(probe query-end-session)"
    expect_eq "then the program ends with exit code 0" 0 "$(vnl_exit_code 15)"
    sleep 1
    expect_eq "and its icon is gone" 1 "$(icon_colours "$(screenshot end-of-logon)")"
}
