# The clipboard history: texts put on the X clipboard show up in the history
# submenu, and a chosen entry goes back on the clipboard whole.

# copy TEXT: another program puts TEXT on the clipboard; Wine hands the
# change to the Windows side, which tells the viewers. The pause lets the
# program read the text before X changes again: Wine reads it from X only
# when asked, and by then a newer text would stand there.
copy() {
    clip_set "$1"
    until_windows_clip "$1" || fail "Windows did not take [$1] from the X clipboard"
    sleep 0.8
}

# pick_history KEY...: opens the history submenu by its access key and moves
# with the arrow keys; Return chooses.
pick_history() {
    open_menu
    menu_keys e "$@" Return
}

# expect_pick WHAT TEXT: the pick put TEXT back on the clipboard.
expect_pick() {
    until_clip "$2"
    expect_eq "$1" "$2" "$(clip_get)"
}

test_clipboard_history_puts_texts_back() {
    vnl_start
    local japanese='日本語のテキスト：表示と検索' big="$OUT/big.txt"
    # 100 KB of text in lines, with Japanese in it.
    for i in $(seq 1 2000); do printf 'line %04d 表示 ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789\n' "$i"; done | head -c 102400 >"$big"
    copy "ascii text"
    copy "$japanese"
    clip_set_file "$big"
    until_windows_clip "$(cat "$big")" 20 || fail "Windows did not take the 100 KB text"
    sleep 0.8
    open_menu
    xdotool key e
    sleep 1
    screenshot clipboard-history-menu >/dev/null
    xdotool key Escape Escape
    probe hidden '#32768' 5 >/dev/null

    # Newest first: big, Japanese, ASCII. The third goes back and to the top.
    pick_history Down Down
    expect_pick "the ASCII entry comes back" "ascii text"
    # Now: ASCII, big, Japanese.
    pick_history Down Down
    until_clip "$japanese"
    expect_eq "the Japanese entry comes back byte for byte" "$(printf '%s' "$japanese" | od -An -tx1)" \
        "$(clip_get | od -An -tx1)"
    expect_eq "as Shift-JIS on the Windows side" "$(hex_of "$japanese")" "$(clip_hex)"
    # Now: Japanese, ASCII, big.
    pick_history Down Down
    until_clip "$(cat "$big")" 20
    clip_get >"$OUT/big-back.txt"
    expect "the 100 KB entry comes back whole" cmp -s "$big" "$OUT/big-back.txt"
    # Now: big, Japanese, ASCII: picking the top changes nothing.
    pick_history
    pick_history Down Down
    expect_pick "the order moved as entries were picked" "ascii text"
}

test_clipboard_history_holds_fifteen() {
    vnl_start
    for i in $(seq 1 16); do copy "text $i"; done
    # Up from the first entry wraps to the last: the oldest that is kept.
    pick_history Up
    expect_pick "after sixteen texts the oldest kept is the second" "text 2"
    # It went to the top, so now the third is the oldest.
    pick_history Up
    expect_pick "picked, it moved to the top" "text 3"
}

test_clipboard_busy() {
    vnl_start
    copy "before"
    # The probe holds the clipboard open while the change notice arrives.
    probe hold-and-notify 3000 >/dev/null &
    local holder=$! box
    box=$(probe box "Vantelo Plus" 10)
    screenshot clipboard-busy >/dev/null
    expect_eq "the exception box tells the clipboard is busy" "text=クリップボードを開くことができません." "$(grep '^text=' <<<"$box")"
    expect_eq "with the error icon" "icon=1" "$(grep '^icon=' <<<"$box")"
    probe press-ok "Vantelo Plus"
    wait "$holder"
    expect_eq "the program keeps running" running "$(vnl_exit_code 1)"

    copy "after"
    pick_history Down
    expect_pick "and its history still works" "before"

    # A pick while the clipboard is held: the same box, nothing changes.
    probe hold-clipboard 4000 >/dev/null &
    holder=$!
    sleep 0.5
    pick_history Down
    box=$(probe box "Vantelo Plus" 10)
    expect_eq "a pick on a busy clipboard is reported" "text=クリップボードを開くことができません." "$(grep '^text=' <<<"$box")"
    probe press-ok "Vantelo Plus"
    wait "$holder"
    expect_eq "the clipboard keeps its text" "before" "$(clip_get)"
    expect_eq "and the program runs on" running "$(vnl_exit_code 1)"
}
